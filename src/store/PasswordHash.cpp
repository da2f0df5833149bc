#include "store/PasswordHash.h"

#include "store/DatabaseError.h"

#include <QObject>
#include <sodium.h>

using namespace Qt::StringLiterals;

namespace PasswordHash {

namespace {

void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw DatabaseError(QObject::tr("The password library could not be started"));
}

} // namespace

QString hash(const QString &password)
{
    initSodium();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(
            out, bytes.constData(), bytes.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw DatabaseError(QObject::tr("Not enough memory to protect the password"));
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(u"$argon2id$"_s);
}

bool matches(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return !stored.isEmpty() && stored == typed;
    initSodium();
    const QByteArray hashBytes = stored.toLatin1();
    const QByteArray typedBytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hashBytes.constData(), typedBytes.constData(),
                                    typedBytes.size()) == 0;
}

} // namespace PasswordHash
