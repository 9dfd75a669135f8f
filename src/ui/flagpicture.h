#pragma once

class QLabel;

// Shows the flag picture every team and tournament has: "Flags/NOT.bmp" of the program
// folder. A missing or broken file leaves the image empty.
void LoadFlagPicture(QLabel* image);
