#pragma once

#include <vector>

#include "foundation/jxstr.h"

// The program folder with a trailing "/"; every file of the program is found from it.
JXStr GetAppPath();

// Appends one stamped line to folder + "log.txt" (cp1251, CR LF). A log that cannot
// be written costs one "Access denied!" box per line; the program goes on.
void SaveLog(JXStr folder, JXStr text);

// A list of text lines read from and written to a file.
class JXFile {
public:
    JXFile() = default;

    // Replaces the lines by the file's lines (CR LF, LF or CR end a line);
    // a file that cannot be read raises EFileError.
    void LoadFromFile(JXStr path);
    void Add(JXStr line);
    void Clear();
    int Count() const;
    JXStr GetLine(int i) const;
    // Writes every line ended by CR LF, first under a temporary name beside the file,
    // which then replaces it: a failed write leaves the old file whole. Raises
    // EFileError on failure.
    void SaveToFile(JXStr path) const;

private:
    std::vector<JXStr> lines_;
};

// The whole file with its lines joined without any separator; the empty text when
// the file cannot be read.
JXStr LoadTextFile(JXStr path);
