#include "store/CardCipher.h"

#include <openssl/evp.h>

#include <algorithm>

namespace {

// The one AES implementation of the process, fetched once rather than looked up by every context.
const EVP_CIPHER *aes128Cbc()
{
    static const EVP_CIPHER *const cipher = EVP_aes_128_cbc();
    return cipher;
}

// Every call starts afresh from the IV on a context whose key schedule was set up once.
QByteArray runCipher(EVP_CIPHER_CTX *context, bool encrypting, const QByteArray &iv, const QByteArray &input)
{
    const auto *ivBytes = reinterpret_cast<const unsigned char *>(iv.constData());
    if (EVP_CipherInit_ex(context, nullptr, nullptr, nullptr, ivBytes, encrypting ? 1 : 0) != 1)
        return QByteArray();
    QByteArray output(input.size() + EVP_MAX_BLOCK_LENGTH, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(output.data());
    int updated = 0, finished = 0;
    if (EVP_CipherUpdate(context, out, &updated, reinterpret_cast<const unsigned char *>(input.constData()),
                         input.size())
            != 1
        || EVP_CipherFinal_ex(context, out + updated, &finished) != 1) {
        CardCipher::wipe(output);
        return QByteArray();
    }
    output.truncate(updated + finished);
    return output;
}

EVP_CIPHER_CTX *makeAes(bool encrypting, const QByteArray &key)
{
    if (key.size() != CardCipher::keySize)
        return nullptr;
    EVP_CIPHER_CTX *context = EVP_CIPHER_CTX_new();
    if (context
        && EVP_CipherInit_ex(context, aes128Cbc(), nullptr, reinterpret_cast<const unsigned char *>(key.constData()),
                             nullptr, encrypting ? 1 : 0)
            != 1) {
        EVP_CIPHER_CTX_free(context);
        return nullptr;
    }
    return context;
}

} // namespace

// The contexts free their key schedules, wiped, when they go.
struct CardCipher::Contexts
{
    Contexts(const QByteArray &key, const QByteArray &iv)
        : encoder(makeAes(true, key))
        , decoder(makeAes(false, key))
        , iv(iv)
    {
    }
    ~Contexts()
    {
        EVP_CIPHER_CTX_free(encoder);
        EVP_CIPHER_CTX_free(decoder);
    }
    Contexts(const Contexts &) = delete;
    Contexts &operator=(const Contexts &) = delete;

    EVP_CIPHER_CTX *const encoder;
    EVP_CIPHER_CTX *const decoder;
    const QByteArray iv;
};

CardCipher::CardCipher(const QString &password, const QByteArray &salt, const QByteArray &iv)
    : CardCipher(deriveKey(password, salt), iv)
{
}

CardCipher::CardCipher(const QByteArray &key, const QByteArray &iv)
    : m_key(key.constData(), key.size())
{
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
    if (!m_contexts->encoder || m_contexts->iv.size() != ivSize)
        return QByteArray();
    return runCipher(m_contexts->encoder, true, m_contexts->iv, plain);
}

QByteArray CardCipher::decrypt(const QByteArray &cipherText) const
{
    if (cipherText.isEmpty() || cipherText.size() % 16 != 0 || !m_contexts->decoder || m_contexts->iv.size() != ivSize)
        return QByteArray();
    return runCipher(m_contexts->decoder, false, m_contexts->iv, cipherText);
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
    QByteArray block(32, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(password.constData(), password.size(),
                          reinterpret_cast<const unsigned char *>(salt.constData()), salt.size(),
                          std::max(1, iterations), EVP_sha256(), block.size(),
                          reinterpret_cast<unsigned char *>(block.data()))
        != 1)
        return QByteArray();
    return block;
}

QByteArray CardCipher::sha256Digest(const QByteArray &data)
{
    QByteArray digest(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int size = 0;
    if (EVP_Digest(data.constData(), size_t(data.size()), reinterpret_cast<unsigned char *>(digest.data()), &size,
                   EVP_sha256(), nullptr)
        != 1)
        return QByteArray();
    digest.truncate(int(size));
    return digest;
}

QByteArray CardCipher::passwordVerifier(const QByteArray &key, const QByteArray &checkBlock, const QByteArray &iv)
{
    return sha256Digest(CardCipher(key, iv).encrypt(checkBlock));
}

bool CardCipher::isAvailable()
{
    return aes128Cbc() && EVP_sha256();
}
