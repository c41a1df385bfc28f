// Resource and control ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_PELNIX_DIALOG 102

#define IDC_DIRTREE 1015
#define IDC_FILEINFO 1041
#define IDC_SELECT_DEST 1017
#define IDC_DEST_PATH 1013
#define IDC_TOOLBAR 1004

// Tool bar commands of the main window; the string of the same id is the button's tooltip.
#define ID_CLEAR_TREE 32771
#define ID_SELECT_SOURCE 32772
#define ID_SELECT_DEST 32773
#define ID_RUN_DIRS_ONLY 32774
#define ID_APP_EXIT 32775
#define ID_ADD_DIR 32776
#define ID_DELETE_DIR 32777
#define ID_APP_ABOUT 32778
#define ID_OPTIONS 32779
#define ID_EDIT_ATTRIBUTES 32780
#define ID_ADD_LOAD 32781
#define ID_RUN_WITH_FILES 32782

// Version information dialog: the picture beside its texts.
#define IDB_VERSION 130

// Main window's tool bar: 16 images of 16 x 16, magenta transparent (24 and 32 px for 150 and 200 %).
#define IDB_TOOLBAR 131
#define IDB_TOOLBAR_150 161
#define IDB_TOOLBAR_200 162

// Status window animation: 15 frames of 32 x 32, yellow transparent (48 and 64 px for 150 and 200 %).
#define IDB_STATUS_ANIM 143
#define IDB_STATUS_ANIM_150 165
#define IDB_STATUS_ANIM_200 166

// Directory tree: node images and drag cursors
#define IDB_DIRTREE 147
#define IDB_DIRTREE_150 163
#define IDB_DIRTREE_200 164
#define IDC_DRAG_MOVE 138
#define IDC_DRAG_NODROP 139
#define IDC_DRAG_COPY 140

// Options dialog
#define IDD_OPTIONS 145
#define IDI_OPTIONS 151
#define IDC_OPT_NO_EXPAND_SEARCH 1030
#define IDC_OPT_SKIP_HIDDEN 1031
#define IDC_OPT_SKIP_SYSTEM 1032
#define IDC_OPT_NOT_COPY_FILE 1035
#define IDC_OPT_SORT_NONE 1036
#define IDC_OPT_SORT_ASCENDING 1037
#define IDC_OPT_SORT_DESCENDING 1038
#define IDC_OPT_SORT_BY_NAME 1039
#define IDC_OPT_SORT_BY_EXT 1040
#define IDC_OPT_OVERWRITE_MODE 1063
#define IDC_OPT_PROTECT_EXISTING 1064
#define IDC_OPT_BREAK_ON_DISK_FULL 1065
#define IDC_OPT_USE_ERROR_LOG 1066
#define IDC_OPT_ERROR_LOG_DIR 1067
#define IDC_OPT_BROWSE_LOG_DIR 1068
#define IDC_OPT_NO_EXPAND_COPY 1076

// Attribute dialogs: the item attributes dialog and the bulk settings share the controls of the
// same meaning (timestamp choices, file attributes, sort key, the date-time field's placeholder).
#define IDD_ITEM_ATTR 144
#define IDD_BULK_ATTR 149
#define IDI_ATTR 146
#define IDC_DATETIME 104
#define IDC_ATTR_DIR_NAME 1019
#define IDC_ATTR_TIME_SYSCLOCK 1022
#define IDC_ATTR_TIME_SOURCE 1023
#define IDC_ATTR_TIME_SPECIFIED 1024
#define IDC_ATTR_ARCHIVE 1026
#define IDC_ATTR_SYSTEM 1027
#define IDC_ATTR_HIDE 1028
#define IDC_ATTR_READONLY 1029
#define IDC_ATTR_SOURCE_TIME 1033
#define IDC_ATTR_TIME_PLACEHOLDER 1034
#define IDC_ATTR_SORT_BY_NAME 1039
#define IDC_ATTR_SORT_BY_EXT 1040
#define IDC_ATTR_MODE_DIR 1042
#define IDC_ATTR_MODE_FILE 1043
#define IDC_ATTR_FILE_LIST 1044
#define IDC_ATTR_SOURCE_PATH 1045
#define IDC_ATTR_DELETE 1046
#define IDC_ATTR_FILES_GROUP 1047
#define IDC_ATTR_TIME_GROUP 1048
#define IDC_ATTR_ATTR_GROUP 1049
#define IDC_ATTR_SIZE_GROUP 1050
#define IDC_ATTR_TOTAL_SIZE 1051
#define IDC_ATTR_SEL_SIZE 1052
#define IDC_ATTR_SORT 1055
#define IDC_ATTR_DESCENDING 1056
#define IDC_ATTR_PROCESSED 1070
#define IDC_BULK_SORT_ASCENDING 1037
#define IDC_BULK_SORT_DESCENDING 1038
#define IDC_BULK_DIR_ARCHIVE 1057
#define IDC_BULK_DIR_SYSTEM 1058
#define IDC_BULK_DIR_HIDE 1059
#define IDC_BULK_DIR_READONLY 1060
#define IDC_BULK_CLEAR_PROCESSED 1069
#define IDC_BULK_DIR_GROUP 1072
#define IDC_BULK_TIME_GROUP 1073
#define IDC_BULK_ATTR_GROUP 1074
#define IDC_BULK_SORT_GROUP 1075
