// A tree file that reaches up into the app layer: the check must refuse it.
#pragma once
#include "framework/Wnd.h"
#include "app/MainDlg.h"
