#include "device/digest.h"

#include <nettle/des.h>
#include <nettle/md5.h>

QByteArray Md5Digest(const QByteArray& bytes) {
    md5_ctx ctx;
    md5_init(&ctx);
    md5_update(&ctx, size_t(bytes.size()), reinterpret_cast<const uint8_t*>(bytes.constData()));
    QByteArray digest(MD5_DIGEST_SIZE, '\0');
    md5_digest(&ctx, MD5_DIGEST_SIZE, reinterpret_cast<uint8_t*>(digest.data()));
    return digest;
}

void DesEncrypt(uint8_t* output, const uint8_t* input, const char* key) {
    uint8_t keyBytes[DES_KEY_SIZE] = {};
    for (int i = 0; i < DES_KEY_SIZE && key[i] != '\0'; ++i) {
        keyBytes[i] = uint8_t(key[i]);
    }
    des_ctx ctx;
    // Parity bits are ignored; a weak key is still usable (the fixed key text is not weak).
    des_set_key(&ctx, keyBytes);
    des_encrypt(&ctx, DES_BLOCK_SIZE, output, input);
}
