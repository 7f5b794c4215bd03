#pragma once
// A text together with its character code (1 = Shift-JIS, 2 = EUC-JP), with
// code guessing, conversion by byte arithmetic, whole-file load and save, and
// character masking.
#include <string>
#include <string_view>

#include "platform/Exceptions.h"
#include "sqltext/cFileIO.h"

namespace tolvane {

enum CharCode : int { kCodeUnset = 0, kCodeSjis = 1, kCodeEuc = 2 };

class cText : public cFileIO {
 public:
  cText() = default;
  explicit cText(std::string text) { SetText(std::move(text)); }

  void SetText(std::string text);
  const std::string& GetText() const { return Text; }
  int GetCharCode() const { return CharCode; }
  std::string GetSjisText() const;

  bool LoadFile(const std::string& path);
  bool SaveSjis(const std::string& path) const;
  bool SaveEuc(const std::string& path) const;

  void SetHalfMask(std::string mask) { HalfMask = std::move(mask); }
  void SetFullMask(std::string mask) { FullMask = std::move(mask); }
  std::string Mask() const;

  // Called by the byte loops at a bounded interval (never per byte).
  void SetProgress(ProgressFn progress) { progress_ = std::move(progress); }

  // Guessing: the code with the lower penalty wins; ties give Shift-JIS.
  // Only the first 512 bytes are looked at.
  static int DetectCharCode(std::string_view text);
  static int SjisScore(std::string_view text);
  static int EucScore(std::string_view text);

  // Both conversions end at the first zero byte they write.
  static std::string SjisToEuc(std::string_view text, const ProgressFn& progress = {});
  static std::string EucToSjis(std::string_view text, const ProgressFn& progress = {});
  static std::string MaskText(std::string_view text, std::string_view halfMask,
                              std::string fullMask, const ProgressFn& progress = {});

  static void SjisToJis(unsigned char& h, unsigned char& l);
  static void JisToSjis(unsigned char& h, unsigned char& l);

  static bool IsSingleByte(unsigned char b) { return b <= 0x7F; }
  static bool IsEucByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }
  static bool IsSjisLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF);
  }
  static bool IsSjisTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
  static bool IsHalfKana(unsigned char b) { return b >= 0xA0 && b <= 0xDF; }

 private:
  std::string Text;
  int CharCode = kCodeUnset;
  std::string HalfMask;
  std::string FullMask;
  ProgressFn progress_;
};

}  // namespace tolvane
