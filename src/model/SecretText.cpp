#include "model/SecretText.h"

#include <cstring>

namespace SecretText {

namespace {

// Literals and raw data own no allocation and are never written to.
template<typename Data> bool ownsAllocation(const Data *data)
{
    return data->alloc != 0;
}

void zero(const void *memory, std::size_t size)
{
    explicit_bzero(const_cast<void *>(memory), size);
}

} // namespace

void wipe(QString &text)
{
    if (ownsAllocation(text.data_ptr()) && !text.data_ptr()->ref.isShared())
        zero(text.constData(), std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}

void wipe(QByteArray &bytes)
{
    if (ownsAllocation(bytes.data_ptr()) && !bytes.data_ptr()->ref.isShared())
        zero(bytes.constData(), std::size_t(bytes.size()));
    bytes.clear();
}

} // namespace SecretText
