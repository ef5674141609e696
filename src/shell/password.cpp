#include "shell/password.h"

#include <sodium.h>

namespace kestrin::shell {
namespace {

// The form earlier builds wrote; read, never written.
constexpr std::string_view kSha256Prefix = "h1$";

constexpr std::array<std::uint32_t, 64> kRoundConstants{
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void compress(std::array<std::uint32_t, 8>& h, const std::uint8_t* block) {
    std::array<std::uint32_t, 64> w{};
    for (std::size_t i = 0; i < 16; ++i) {
        w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
               std::uint32_t{block[4 * i + 2]} << 8 | std::uint32_t{block[4 * i + 3]};
    }
    for (std::size_t i = 16; i < 64; ++i) {
        const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], k = h[7];
    for (std::size_t i = 0; i < 64; ++i) {
        const std::uint32_t t1 = k + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) +
                                 kRoundConstants[i] + w[i];
        const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        k = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    h[0] += a; h[1] += b; h[2] += c; h[3] += d; h[4] += e; h[5] += f; h[6] += g; h[7] += k;
}

std::optional<std::string> fromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    const auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = nibble(hex[i]);
        const int lo = nibble(hex[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.push_back(static_cast<char>(hi * 16 + lo));
    }
    return out;
}

std::string digestHex(std::string_view salt, std::string_view password) {
    std::string message(salt);
    message.append(password);
    const Sha256Digest digest = sha256(message);
    return toHex(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()));
}

// Equal length and content, looked at in full whatever differs first.
bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

// rest: what follows "h1$", the salt in hex, "$" and the digest in hex.
bool sha256Matches(std::string_view rest, std::string_view typed) {
    const std::size_t split = rest.find('$');
    if (split == std::string_view::npos) return false;
    const auto salt = fromHex(rest.substr(0, split));
    const std::string_view hash = rest.substr(split + 1);
    if (!salt || hash.size() != 64) return false;
    return sameText(digestHex(*salt, typed), hash);
}

bool sodiumReady() {
    // sodium_init may be called again and again, but once is enough; it is safe from any thread.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

}  // namespace

Sha256Digest sha256(std::string_view bytes) {
    std::array<std::uint32_t, 8> h{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                   0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::string padded(bytes);
    padded.push_back(static_cast<char>(0x80));
    while (padded.size() % 64 != 56) padded.push_back('\0');
    const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
    for (int shift = 56; shift >= 0; shift -= 8) padded.push_back(static_cast<char>((bits >> shift) & 0xff));
    for (std::size_t at = 0; at < padded.size(); at += 64) {
        compress(h, reinterpret_cast<const std::uint8_t*>(padded.data() + at));
    }
    Sha256Digest out{};
    for (std::size_t i = 0; i < 8; ++i) {
        for (std::size_t j = 0; j < 4; ++j) out[4 * i + j] = static_cast<std::uint8_t>(h[i] >> (24 - 8 * j));
    }
    return out;
}

std::string toHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0xf]);
    }
    return out;
}

std::optional<std::string> makeStoredPassword(std::string_view password) {
    if (password.empty()) return std::string();
    if (!sodiumReady()) return std::nullopt;
    std::array<char, crypto_pwhash_STRBYTES> out{};
    if (crypto_pwhash_str(out.data(), password.data(), password.size(), kPasswordPasses, kPasswordMemoryBytes) != 0) {
        return std::nullopt;
    }
    return std::string(out.data());
}

bool isPasswordSet(std::string_view stored) { return !stored.empty(); }

bool passwordMatches(std::string_view stored, std::string_view typed) {
    if (stored.starts_with(kSha256Prefix)) return sha256Matches(stored.substr(kSha256Prefix.size()), typed);
    if (!stored.starts_with(crypto_pwhash_STRPREFIX) || stored.size() >= crypto_pwhash_STRBYTES) return false;
    if (!sodiumReady()) return false;
    const std::string terminated(stored);
    return crypto_pwhash_str_verify(terminated.c_str(), typed.data(), typed.size()) == 0;
}

}  // namespace kestrin::shell
