#pragma once

#include <QDialog>

namespace tallar {
class Workspace;
}

namespace tallar::app {

// "Info": the program's name and version, the SQLite version and the working directory.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit InfoDialog(Workspace& workspace, QWidget* parent = nullptr);
};

} // namespace tallar::app
