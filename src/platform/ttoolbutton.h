#pragma once

#include <QToolButton>

class TImageList;

// A tool bar button whose picture is an index into its bar's image list.
class TToolButton : public QToolButton {
    Q_OBJECT

public:
    explicit TToolButton(QWidget* parent = nullptr);

    // Not owned; the list outlives the button.
    void SetImages(const TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    // Shows picture index of the list; an index outside it shows none.
    void SetImageIndex(int index);

private:
    const TImageList* images_ = nullptr;
    int imageIndex_ = -1;
};
