// A small dialog the framework tests drive: a check box, a radio group, an edit and a drop-down.
#pragma once
#define IDD_FRAMEWORK_PROBE 9000
#define IDC_PROBE_CHECK 9001
#define IDC_PROBE_RADIO1 9002
#define IDC_PROBE_RADIO2 9003
#define IDC_PROBE_EDIT 9004
#define IDC_PROBE_COMBO 9005
