#include "net/web_fetch.h"

#include <vector>

#include "text/slicing.h"
#include "text/text_rules.h"

namespace net {
namespace {

bool IsHttps(std::string_view url) {
    return text::Lowercase(text::Left(url, 5)) == "https";
}

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The leading decimal digits as a number; a text that is not a number, or a number no port can
// have, gives 0 (the service's default port) rather than a truncated 16-bit value.
int PortNumber(std::string_view digits) {
    long value = 0;
    std::size_t i = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) {
        value = value * 10 + (digits[i] - '0');
        if (value > 65535)
            return 0;
    }
    return i == 0 ? 0 : static_cast<int>(value);
}

}  // namespace

std::string UrlHost(std::string_view url, bool lastTwoLabels, bool keepPort) {
    std::string u = text::Lowercase(url);
    if (!EndsWith(u, "/"))
        u += "/";
    std::string prefix = "https://";
    if (u.rfind(prefix, 0) != 0) {
        prefix = "http://";
        if (!text::Contains(u, prefix))
            u = prefix + u;
    }
    std::string host = text::TextBetween(u, prefix, "/", 1, true);
    if (lastTwoLabels) {
        const std::vector<std::string> labels = text::Split(host, ".");
        if (labels.size() > 1)
            host = labels[labels.size() - 2] + "." + labels.back();
    }
    if (!keepPort) {
        const int colon = text::Find(host, ":");
        if (colon != -1)
            host = text::Left(host, colon - 1);
    }
    return host;
}

int UrlPort(std::string_view url) {
    const std::string host = UrlHost(url, false, true);
    const int colon = text::FindLast(host, ":");
    if (colon == -1)
        return IsHttps(url) ? 443 : 80;
    return PortNumber(std::string_view(host).substr(static_cast<std::size_t>(colon)));
}

std::string UrlPath(std::string_view url) {
    const int at = text::Find(url, UrlHost(url), 1, true);
    const int slash = text::Find(url, "/", at < 1 ? 1 : at, true);
    if (at == -1 || slash == -1)
        return "/";
    return std::string(url.substr(static_cast<std::size_t>(slash - 1)));
}

std::uint32_t RequestFlags(std::string_view url, bool cookiesSupplied, bool noRedirect) {
    std::uint32_t flags = kFlagReload | kFlagNeedFile;
    if (cookiesSupplied)
        flags |= kFlagNoCookies;
    if (noRedirect)
        flags |= kFlagNoAutoRedirect;
    flags |= IsHttps(url) ? kFlagSecure : kFlagIgnoreRedirectToHttps;
    return flags;
}

std::string UserAgentFor(std::string_view headers) {
    constexpr std::string_view kMarker = "User-Agent:";
    const int at = text::Find(headers, kMarker, 1, true);
    if (at == -1)
        return std::string(kDefaultUserAgent);
    // The line's value up to CR LF or the end of the text: a last line has no CR LF after it, and
    // taking the text after the block's first colon would put other lines into the identification.
    std::string_view value = headers.substr(static_cast<std::size_t>(at - 1) + kMarker.size());
    value = value.substr(0, value.find("\r\n"));
    std::string agent = text::Trim(value);
    return agent.empty() ? std::string(kDefaultUserAgent) : agent;
}

std::string CompleteHeaders(std::string_view headers, std::string_view url, std::string_view cookieText) {
    std::string h(headers);
    if (!text::Contains(h, "Referer:")) {
        h += h.empty() ? "Referer: " : "\r\nReferer: ";
        h += url;
    }
    if (!text::Contains(h, "Accept:"))
        h += "\r\nAccept: */*";
    if (!text::Contains(h, "Accept-Language:"))
        h += "\r\nAccept-Language: zh-cn";
    if (!text::Contains(h, "Content-Type:"))
        h += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (!cookieText.empty()) {
        h += "\r\nCookie: ";
        h += cookieText;
    }
    return h;
}

ResponseFields ReadResponseHeaders(std::string_view responseHeaders) {
    ResponseFields out;
    for (const std::string& line : text::Split(responseHeaders, "\r\n")) {
        if (text::Contains(line, "Location:"))
            out.redirectAddress = text::TextAfterColon(line);
        if (text::Contains(line, "Set-Cookie")) {
            // A cookie without attributes has no ";" after it: take the rest of the line, or it
            // would be lost.
            std::string item = text::Trim(text::TextBetween(line, "Set-Cookie:", ";"));
            if (item.empty() && !text::Contains(line, ";"))
                item = text::TextAfterColon(line);
            if (item.empty())
                continue;
            out.receivedCookies += item;
            out.receivedCookies += "; ";
        }
    }
    if (out.receivedCookies.size() >= 2)
        out.receivedCookies.resize(out.receivedCookies.size() - 2);
    if (out.redirectAddress.empty())
        out.redirectAddress = std::string(responseHeaders);
    return out;
}

}  // namespace net
