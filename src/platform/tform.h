#pragma once

#include <QDialog>

// The window toolkit's form: a Tag for handing results back, modal showing, closing
// that the form may refuse, Return for the focused push button or else the one marked
// the default, and the form events under their toolkit names.
//
// A form is a top-level window by default; a card is made a child of another form
// (setParent with Qt::Widget) and then shows inside it.
class TForm : public QDialog {
    Q_OBJECT

public:
    explicit TForm(QWidget* owner = nullptr);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Shows the form modally and returns when it closes.
    int ShowModal();
    // Shows the form non-modally and activates it. Returns once the window system
    // has framed it, so that frameGeometry is the real one and a move places the frame.
    void Show();
    // Asks the form to close, as the close box does; CanClose may refuse.
    void Close();
    // Esc and the dialog's other ways out go through closeEvent, so CanClose is asked.
    void reject() override;

protected:
    // The close query: false keeps the form open, for the close box, Esc and Close alike.
    virtual bool CanClose() { return true; }
    // Each time the form becomes visible (not when it comes back from minimised).
    virtual void FormShow() {}
    // Each time the form becomes the active window.
    virtual void FormActivate() {}
    // The form is about to close (after CanClose agreed).
    virtual void FormClose() {}
    virtual void FormResize() {}

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int tag_ = 0;
    bool closing_ = false;
};
