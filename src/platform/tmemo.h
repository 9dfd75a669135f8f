#pragma once

#include <QPlainTextEdit>

// The toolkit's memo, which takes no tabs: Tab and Shift+Tab move the focus to the next
// and previous control; Return starts a new line.
class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);
};
