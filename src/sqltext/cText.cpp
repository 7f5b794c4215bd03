#include "sqltext/cText.h"

#include <algorithm>

namespace tolvane {
namespace {

constexpr size_t kScoreWindow = 512;
constexpr size_t kProgressInterval = 64 * 1024;

inline unsigned char At(std::string_view s, size_t i) {
  return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

// Calls progress whenever the loop has moved at least one interval on.
class Ticker {
 public:
  explicit Ticker(const ProgressFn& fn) : fn_(fn) {}
  void At(size_t i) {
    if (fn_ && i >= next_) {
      fn_();
      next_ = i + kProgressInterval;
    }
  }

 private:
  const ProgressFn& fn_;
  size_t next_ = kProgressInterval;
};

// Drops everything from the first zero byte written on.
void CutAtZero(std::string& out) {
  size_t z = out.find('\0');
  if (z != std::string::npos) out.resize(z);
}

}  // namespace

void cText::SetText(std::string text) {
  Text = std::move(text);
  CharCode = DetectCharCode(Text);
}

std::string cText::GetSjisText() const {
  return CharCode == kCodeEuc ? EucToSjis(Text, progress_) : Text;
}

bool cText::LoadFile(const std::string& path) {
  std::string text;
  bool ok = ReadText(path, text);
  SetText(std::move(text));
  return ok;
}

bool cText::SaveSjis(const std::string& path) const {
  if (CharCode == kCodeEuc) return WriteText(path, EucToSjis(Text, progress_));
  if (CharCode == kCodeSjis) return WriteText(path, Text);
  return false;
}

bool cText::SaveEuc(const std::string& path) const {
  if (CharCode == kCodeEuc) return WriteText(path, Text);
  if (CharCode == kCodeSjis) return WriteText(path, SjisToEuc(Text, progress_));
  return false;
}

std::string cText::Mask() const { return MaskText(Text, HalfMask, FullMask, progress_); }

int cText::DetectCharCode(std::string_view text) {
  return EucScore(text) < SjisScore(text) ? kCodeEuc : kCodeSjis;
}

int cText::SjisScore(std::string_view text) {
  const size_t n = std::min(text.size(), kScoreWindow);
  int score = 0;
  size_t i = 0;
  while (i + 1 < n) {
    unsigned char b = At(text, i), c = At(text, i + 1);
    if (IsSjisLead(b)) {
      if (IsSjisTrail(c)) {
        if (b * 256 + c >= 0x989F) score += 1;
        i += 2;
      } else {
        score += 10;
        i += 1;
      }
    } else if (b < 0x80) {
      i += 1;
    } else if (IsHalfKana(b)) {
      score += 1;
      i += 1;
    } else {
      score += 10;
      i += 1;
    }
  }
  return score;
}

int cText::EucScore(std::string_view text) {
  const size_t n = std::min(text.size(), kScoreWindow);
  int score = 0;
  size_t i = 0;
  while (i + 1 < n) {
    unsigned char b = At(text, i), c = At(text, i + 1);
    if (IsEucByte(b)) {
      if (IsEucByte(c)) {
        if (b >= 0xD0) score += 1;
        i += 2;
      } else {
        score += 10;
        i += 1;
      }
    } else if (b == 0x8E) {
      if (IsHalfKana(c)) {
        score += 1;
        i += 2;
      } else {
        score += 10;
        i += 1;
      }
    } else if (b >= 0x80) {
      score += 10;
      i += 1;
    } else {
      i += 1;
    }
  }
  return score;
}

void cText::SjisToJis(unsigned char& h, unsigned char& l) {
  int hh = h, ll = l;
  if (hh <= 0x9F)
    hh = ll < 0x9F ? 2 * hh - 0xE1 : 2 * hh - 0xE0;
  else
    hh = ll < 0x9F ? 2 * hh - 0x161 : 2 * hh - 0x160;
  if (ll < 0x7F) ll -= 0x1F;
  else if (ll < 0x9F) ll -= 0x20;
  else ll -= 0x7E;
  h = static_cast<unsigned char>(hh);
  l = static_cast<unsigned char>(ll);
}

void cText::JisToSjis(unsigned char& h, unsigned char& l) {
  int hh = h, ll = l;
  if (hh % 2 == 0) ll += 0x7E;
  else ll += ll < 0x60 ? 0x1F : 0x20;
  hh = hh < 0x5F ? (hh + 0xE1) / 2 : (hh + 0x161) / 2;
  h = static_cast<unsigned char>(hh);
  l = static_cast<unsigned char>(ll);
}

std::string cText::SjisToEuc(std::string_view text, const ProgressFn& progress) {
  std::string out(text.size() * 2 + 2, '\0');
  char* o = out.data();
  const size_t n = text.size();
  Ticker tick(progress);
  size_t i = 0;
  while (i < n) {
    tick.At(i);
    unsigned char b = At(text, i), c = At(text, i + 1);
    if (IsSjisLead(b)) {
      if (IsSjisTrail(c)) {
        SjisToJis(b, c);
        *o++ = static_cast<char>(b | 0x80);
        *o++ = static_cast<char>(c | 0x80);
      } else {
        *o++ = static_cast<char>(b);
        *o++ = static_cast<char>(c);
      }
      i += 2;
    } else if (IsHalfKana(b)) {
      *o++ = static_cast<char>(0x8E);
      *o++ = static_cast<char>(b);
      i += 1;
    } else {
      *o++ = static_cast<char>(b);
      i += 1;
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  CutAtZero(out);
  return out;
}

std::string cText::EucToSjis(std::string_view text, const ProgressFn& progress) {
  std::string out(text.size() + 2, '\0');
  char* o = out.data();
  const size_t n = text.size();
  Ticker tick(progress);
  size_t i = 0;
  while (i < n) {
    tick.At(i);
    unsigned char b = At(text, i), c = At(text, i + 1);
    if (IsEucByte(b)) {
      if (IsEucByte(c)) {
        b &= 0x7F;
        c &= 0x7F;
        JisToSjis(b, c);
      }
      *o++ = static_cast<char>(b);
      *o++ = static_cast<char>(c);
      i += 2;
    } else if (b == 0x8E) {
      if (IsHalfKana(c)) {
        *o++ = static_cast<char>(c);
      } else {
        *o++ = static_cast<char>(0x8E);
        *o++ = static_cast<char>(c);
      }
      i += 2;
    } else {
      *o++ = static_cast<char>(b);
      i += 1;
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  CutAtZero(out);
  return out;
}

std::string cText::MaskText(std::string_view text, std::string_view halfMask,
                            std::string fullMask, const ProgressFn& progress) {
  if (fullMask.size() != 2) {
    fullMask += ' ';
    fullMask.resize(2);
  }
  // An empty full mask became a single space; its missing second byte is a
  // zero byte, which ends the output where it is written.
  const char half = halfMask.empty() ? '\0' : halfMask[0];
  std::string out(text.size() + 2, '\0');
  char* o = out.data();
  const size_t n = text.size();
  Ticker tick(progress);
  size_t i = 0;
  while (i < n) {
    tick.At(i);
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      *o++ = half;
      i += 1;
    } else {
      *o++ = fullMask[0];
      *o++ = fullMask[1];
      i += 2;
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  CutAtZero(out);
  return out;
}

}  // namespace tolvane
