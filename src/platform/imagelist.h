#pragma once

#include <QPixmap>

#include <vector>

class QPainter;

// A numbered list of small pictures of one size, as grids and tool bars index them.
class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Appends a picture (scaled to the list's size when it differs) and returns its index.
    int Add(const QPixmap& image);
    const QPixmap& Image(int index) const { return images_.at(index); }

    // Draws picture index with its top-left corner at (x, y), greyed when not enabled.
    // An index outside the list draws nothing.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

private:
    int width_;
    int height_;
    std::vector<QPixmap> images_;
};
