#pragma once

#include <QDialog>

class QPushButton;

namespace tallar {
class Workspace;
}

namespace tallar::app {

// "Info": the program's name and version, the SQLite version, the working directory with a
// button that opens it in the file manager, and the user guide.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit InfoDialog(Workspace& workspace, QWidget* parent = nullptr);

    // The working directory: the one holding the databases.
    const QString& directory() const { return directory_; }
    QPushButton* openDirectoryButton() const { return openDirectory_; }
    QPushButton* guideButton() const { return guide_; }

private:
    QString directory_;
    QPushButton* openDirectory_;
    QPushButton* guide_;
};

} // namespace tallar::app
