#include "admin/Password.h"

#include "base/Win1250.h"

#include <cstdint>

namespace kovara {
namespace {

// The linear congruential generator of the encoding: 32-bit state, a draw
// below n is the upper half of the 64-bit product state * n.
class Generator
{
public:
    explicit Generator(std::uint32_t seed)
        : m_state(seed)
    {
    }

    int draw(int n)
    {
        m_state = m_state * 134775813u + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int>((static_cast<std::uint64_t>(m_state) * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t m_state;
};

} // namespace

QByteArray CodeazaStr(const QByteArray &password)
{
    std::uint32_t seed = 0;
    for (char c : password)
        seed += static_cast<unsigned char>(c);
    Generator rnd(seed);

    QByteArray s = password;
    const int k = rnd.draw(30) + 6;
    for (int n = 0; n < k; ++n) {
        const int p = rnd.draw(static_cast<int>(s.size())) + 1;
        const int c = rnd.draw(150) + 32;
        s.insert(p - 1, static_cast<char>(c));
    }
    const int m = rnd.draw(50) + 50;
    s.prepend(' ');
    for (int n = 0; n < m; ++n) {
        const int i = rnd.draw(static_cast<int>(s.size()) - 2) + 2;
        const int j = rnd.draw(static_cast<int>(s.size()) - 2) + 2;
        // The first character serves as the place to swap through.
        s[0] = s[i - 1];
        s[i - 1] = s[j - 1];
        s[j - 1] = s[0];
    }
    return s;
}

QString encodePassword(const QString &typed)
{
    return fromWin1250(CodeazaStr(toWin1250(typed)));
}

bool passwordMatches(const QString &typed, const QString &stored)
{
    return encodePassword(typed) == stored;
}

} // namespace kovara
