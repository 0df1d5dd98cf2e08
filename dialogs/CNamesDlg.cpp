#include "CNamesDlg.h"

void OnNames(CZYLDoc&, QWidget*) {}
