#include "app/MainButtons.h"

#include "app/InfoDialog.h"

namespace tallar::app {

WindowOpener openerFor(int buttonId) {
    switch (buttonId) {
    case 1025:
        return [](QWidget* parent, Workspace& workspace) {
            InfoDialog dialog(workspace, parent);
            dialog.exec();
        };
    default:
        return {};
    }
}

} // namespace tallar::app
