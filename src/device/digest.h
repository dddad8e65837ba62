#pragma once

// The two ciphers of the clock authentication, on Nettle.

#include <QByteArray>
#include <cstdint>

// The 16 bytes of the MD5 digest (RFC 1321) of the bytes.
QByteArray Md5Digest(const QByteArray& bytes);

// Encrypts one 8-byte block with DES under an 8-character key text (zero-terminated).
void DesEncrypt(uint8_t* output, const uint8_t* input, const char* key);
