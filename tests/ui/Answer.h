#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace tallar::test {

// Answers the next question box ("Tak" or "Nie") as soon as it is shown, and keeps what
// it asked in `asked` when given.
inline void answerNextQuestion(bool yes, QString* asked = nullptr) {
    QTimer::singleShot(0, [yes, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (asked)
            *asked = box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
}

// Answers every question box shown while it lives, keeping what they asked.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(bool yes) {
        QObject::connect(&timer_, &QTimer::timeout, [this, yes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            asked << box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        timer_.start(5);
    }
    QStringList asked;

private:
    QTimer timer_;
};

} // namespace tallar::test
