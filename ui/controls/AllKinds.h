#pragma once

// Every control kind of the window, for the code that reaches controls of several kinds.
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
