#include "store/CardCipher.h"

#include <QtCrypto>

namespace {

// One initialisation for the whole process: repeated set-up and tear-down would reload the provider
// plugins for every wallet opened.
void ensureQcaInitialized()
{
    static QCA::Initializer initializer;
}

QCA::Cipher makeAes(QCA::Direction direction, const QByteArray &key, const QByteArray &iv)
{
    return QCA::Cipher(QStringLiteral("aes128"), QCA::Cipher::CBC, QCA::Cipher::DefaultPadding, direction,
                       QCA::SymmetricKey(key), QCA::InitializationVector(iv));
}

// Every call starts afresh from the IV: the context is reset before each use. Card texts are held
// in ordinary memory anyway, so the output is too: QCA's locked memory would cost a mutex per card.
QByteArray runCipher(QCA::Cipher &cipher, const QByteArray &input)
{
    cipher.clear();
    // The provider's secure arrays wipe themselves; only the one copy handed out is plain memory. The
    // input goes in as a secure array of its own: a plain memory region would be copied, unwiped, twice.
    QCA::SecureArray output = cipher.update(QCA::SecureArray(input));
    const bool updated = cipher.ok();
    output += cipher.final();
    return updated && cipher.ok() ? output.toByteArray() : QByteArray();
}

} // namespace

struct CardCipher::Contexts
{
    Contexts(const QByteArray &key, const QByteArray &iv)
        : encoder(makeAes(QCA::Encode, key, iv))
        , decoder(makeAes(QCA::Decode, key, iv))
    {
    }

    QCA::Cipher encoder;
    QCA::Cipher decoder;
};

CardCipher::CardCipher(const QString &password, const QByteArray &salt, const QByteArray &iv)
    : CardCipher(deriveKey(password, salt), iv)
{
}

CardCipher::CardCipher(const QByteArray &key, const QByteArray &iv)
    : m_key(key.constData(), key.size())
{
    ensureQcaInitialized();
    m_contexts = std::make_unique<Contexts>(key, iv);
}

CardCipher::~CardCipher()
{
    wipe(m_key);
}

void CardCipher::wipe(QByteArray &bytes)
{
    // The shared buffer is overwritten on purpose, every copy of the key with it. Memory the array
    // does not own (a literal, raw data) has no allocation and is left alone.
    if (bytes.data_ptr()->alloc != 0) {
        volatile char *data = const_cast<char *>(bytes.constData());
        for (int i = 0; i < bytes.size(); ++i)
            data[i] = 0;
    }
    bytes.clear();
}

QByteArray CardCipher::encrypt(const QByteArray &plain) const
{
    return runCipher(m_contexts->encoder, plain);
}

QByteArray CardCipher::decrypt(const QByteArray &cipherText) const
{
    if (cipherText.isEmpty() || cipherText.size() % 16 != 0)
        return QByteArray();
    return runCipher(m_contexts->decoder, cipherText);
}

QByteArray CardCipher::deriveKey(const QString &password, const QByteArray &salt)
{
    QByteArray secret = password.toUtf8();
    QByteArray block = pbkdf2Sha256(secret, salt, keyIterations);
    const QByteArray key = block.left(keySize);
    wipe(block);
    wipe(secret);
    return key;
}

QByteArray CardCipher::pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int iterations)
{
    ensureQcaInitialized();
    // The provider refuses an empty MAC key. HMAC pads short keys with zero bytes, so a single zero
    // byte is the same key as none at all.
    const QByteArray macKey = password.isEmpty() ? QByteArray(1, '\0') : password;
    QCA::MessageAuthenticationCode mac(QStringLiteral("hmac(sha256)"), QCA::SymmetricKey(QCA::SecureArray(macKey)));
    mac.update(QCA::MemoryRegion(salt + QByteArray("\x00\x00\x00\x01", 4)));
    QByteArray block = mac.final().toByteArray();
    QByteArray result = block;
    result.detach();
    for (int i = 1; i < iterations; ++i) {
        mac.clear();
        mac.update(QCA::MemoryRegion(block));
        block = mac.final().toByteArray();
        for (int j = 0; j < result.size(); ++j)
            result[j] = char(result[j] ^ block[j]);
    }
    wipe(block);
    return result;
}

QByteArray CardCipher::sha256Digest(const QByteArray &data)
{
    ensureQcaInitialized();
    if (!QCA::isSupported("sha256"))
        return QByteArray();
    return QCA::Hash(QStringLiteral("sha256")).hash(QCA::MemoryRegion(data)).toByteArray();
}

QByteArray CardCipher::passwordVerifier(const QByteArray &key, const QByteArray &checkBlock, const QByteArray &iv)
{
    return sha256Digest(CardCipher(key, iv).encrypt(checkBlock));
}

bool CardCipher::isAvailable()
{
    ensureQcaInitialized();
    return QCA::isSupported("aes128-cbc-pkcs7") && QCA::isSupported("sha256") && QCA::isSupported("hmac(sha256)");
}
