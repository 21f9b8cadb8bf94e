#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace tallar {
class Workspace;
}

namespace tallar::app {

// The main window "Tallar2": one button per list, each with a tooltip and a keyboard
// mnemonic. It owns the two database connections for its whole life and closes them when
// closed with its close box, or with Escape once the person confirms. While the rules hold
// no race, a notice above the buttons offers to load the sample rules.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kEmptyRulesNotice =
        "Baza reguł jest pusta: bez ras\nnie można tworzyć bohaterów.";
    static constexpr const char* kSampleRulesLoaded = "Wczytano przykładowe reguły.";
    static constexpr const char* kQuitQuestion = "Zakończyć pracę z programem Tallar2?";

    explicit MainWindow(std::unique_ptr<Workspace> workspace, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The button with a command id, or null.
    QPushButton* button(int id) const;
    // Whether the connections are still open.
    bool connected() const { return workspace_ != nullptr; }
    // The notice about empty rules and its button.
    QFrame* sampleRulesNotice() const { return notice_; }
    QPushButton* loadSampleRulesButton() const { return loadSampleRules_; }
    // The button's action: loads the sample rules into the empty rules database.
    void loadSampleRules();
    // Escape: asks before quitting.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeSampleRulesNotice();
    // Shows the notice while the rules hold no race.
    void showSampleRulesNotice();

    std::unique_ptr<Workspace> workspace_;
    QFrame* notice_ = nullptr;
    QLabel* noticeText_ = nullptr;
    QPushButton* loadSampleRules_ = nullptr;
    bool closing_ = false;
};

} // namespace tallar::app
