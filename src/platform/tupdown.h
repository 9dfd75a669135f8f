#pragma once

#include <QWidget>

class QToolButton;

// The toolkit's button types of an up-down: btNext the up arrow, btPrev the down arrow.
enum TUDBtnType { btNext, btPrev };

// A free-standing pair of arrow buttons stepping a position between Min and Max,
// without wrapping. A step that cannot move (at a limit) is not reported.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Kept within the range.
    void SetPosition(int position);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    // The position moved one step by the given arrow.
    void Click(TUDBtnType button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(TUDBtnType button);

    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
