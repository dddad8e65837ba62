#pragma once

class QApplication;
class QWidget;

// Every control a screen reader reaches gets a name: the label beside it (made its buddy, so
// that the label's mnemonic moves to it too), otherwise its hint, its tool tip or the title
// of the box it sits in; a button with only an icon gets its tool tip. Names given on purpose
// are kept.

// Names the controls inside `root` (hidden ones too: panels shown later).
void NameControls(QWidget* root);

// Names the controls of every window when it is first shown.
void NameControlsOfEveryWindow(QApplication& app);
