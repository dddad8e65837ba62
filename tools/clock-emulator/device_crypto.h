#pragma once

#include <QByteArray>

// The clock's side of the digests and the key derivation. Written apart from the program's
// device library on purpose: the emulator checks the program's arithmetic, it does not share it.
namespace emulator {

// The 16 bytes of the MD5 digest of data.
QByteArray Md5(const QByteArray& data);

// The key text a clock derives from its 8-character device id text: the DES encryption of the
// id text's 8 bytes under the fixed key "40417596", as 16 upper-case hexadecimal digits.
QByteArray DerivedKeyText(const QByteArray& deviceIdText);

// "12AB" -> bytes 0x12 0xAB. Only 0-9 and A-F are understood, the way the clock reads its
// id; other characters give character code minus 55, as on the host.
QByteArray HexTextToBytes(const QByteArray& text);

}  // namespace emulator
