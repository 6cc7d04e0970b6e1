// Reads and closes the message box a modal printer window opens, then cancels the
// window, so that a test can check what the window said and that it stayed open.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "print/tform3.h"

namespace kalvesta {

class MessageWatch {
public:
    // Starts looking for a message box every 20 ms.
    explicit MessageWatch(TForm3& form) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this, &form] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                button = box->buttons().value(0)->text();
                box->accept();
                window_open_after = form.isVisible();
                form.OnCancel();
            }
        });
        timer_.start();
    }

    QString message;                 // empty: no message box came
    QString button;                  // the caption of its (one) button
    bool window_open_after = false;  // the window was still open behind it

private:
    QTimer timer_;
};

}  // namespace kalvesta
