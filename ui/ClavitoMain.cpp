#include "ui/ClavitoMain.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {}
