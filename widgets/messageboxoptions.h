#pragma once

#include <QString>

// What a ModernMessageBox shows. Empty button texts take the box's translated defaults.
struct MessageBoxOptions
{
    enum Kind : int { Question = 0, Information = 1, Warning = 2, Error = 3 };

    int kind = Question;
    QString title;
    QString message;
    QString details;
    QString confirmText;
    QString discardText;
    QString cancelText;
    bool showDiscard = false;
    bool showCancel = false;
    bool showConfirm = true;
    bool showProgress = false;
    // A plain button left of the others, for a follow-up (its result is ModernMessageBox::Action);
    // none when empty.
    QString actionText;
    // A password field below the texts; Return in it confirms.
    bool showPasswordInput = false;
    // When false, Escape, the close request and Cancel cannot dismiss the box.
    bool mayReject = true;
};
