#pragma once

#include <QImage>
#include <QString>

// The QR code of a text (the board's address, for a phone's camera): black modules on white,
// `scale` pixels a module, with the quiet zone of four modules around. A null image when the
// text does not fit a QR code.
QImage QrCodeImage(const QString& text, int scale);
