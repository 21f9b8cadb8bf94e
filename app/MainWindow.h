#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace tallar {
class Workspace;
}

namespace tallar::app {

// The main window "Tallar2": one button per list. It owns the two database connections
// for its whole life and closes them when closed with its close box.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<Workspace> workspace, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The button with a command id, or null.
    QPushButton* button(int id) const;
    // Whether the connections are still open.
    bool connected() const { return workspace_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Workspace> workspace_;
};

} // namespace tallar::app
