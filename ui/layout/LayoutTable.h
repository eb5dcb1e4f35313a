#pragma once

// What a layout table needs: the window's members and every control kind they hold, so that a
// row can store its control in its member.
#include "ui/Pictures.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/ShapeFrame.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"
#include "ui/grid/DataGrid.h"
#include "ui/layout/ControlSpec.h"
#include "ui/layout/DateColors.h"
