#include "device_crypto.h"

#include <nettle/des.h>
#include <nettle/md5.h>

namespace emulator {

QByteArray Md5(const QByteArray& data) {
    md5_ctx ctx;
    md5_init(&ctx);
    md5_update(&ctx, static_cast<size_t>(data.size()),
               reinterpret_cast<const uint8_t*>(data.constData()));
    QByteArray digest(MD5_DIGEST_SIZE, '\0');
    md5_digest(&ctx, MD5_DIGEST_SIZE, reinterpret_cast<uint8_t*>(digest.data()));
    return digest;
}

QByteArray DerivedKeyText(const QByteArray& deviceIdText) {
    static const char kDesKey[] = "40417596";
    des_ctx ctx;
    des_set_key(&ctx, reinterpret_cast<const uint8_t*>(kDesKey));
    QByteArray block = deviceIdText.left(8);
    block.append(QByteArray(8 - block.size(), '\0'));
    QByteArray out(DES_BLOCK_SIZE, '\0');
    des_encrypt(&ctx, DES_BLOCK_SIZE, reinterpret_cast<uint8_t*>(out.data()),
                reinterpret_cast<const uint8_t*>(block.constData()));
    return out.toHex().toUpper();
}

QByteArray HexTextToBytes(const QByteArray& text) {
    auto digit = [](char c) {
        const int code = static_cast<unsigned char>(c);
        return c >= '0' && c <= '9' ? code - '0' : code - 55;
    };
    QByteArray bytes;
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        bytes.append(static_cast<char>((digit(text[i]) << 4) + digit(text[i + 1])));
    }
    return bytes;
}

}  // namespace emulator
