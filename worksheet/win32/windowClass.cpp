#include "windowClass.h"

#include "mainWindow.h"
#include "resource.h"

bool registerWorksheetClass(HINSTANCE module) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = module;
    windowClass.hIcon = LoadIconA(module, MAKEINTRESOURCEA(IDI_WORKSHEET));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_WORKSHEET_MENU);
    windowClass.lpszClassName = worksheetClassName;
    return RegisterClassExA(&windowClass) != 0;
}
