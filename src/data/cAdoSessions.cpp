#include "data/cAdoSessions.h"

#include <climits>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "settings/Fbrenmoini.h"

namespace tolvane {

bool ParseDecimal(const std::string& text, int& value) {
  if (text.empty()) return false;
  size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (text[0] == '-') v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

long cAdoSessions::IndexOf(int no) const {
  for (size_t i = 0; i < sessions_.size(); ++i)
    if (sessions_[i]->GetNo() == no) return static_cast<long>(i);
  return -1;
}

cAdoSession* cAdoSessions::Find(int no) const {
  long i = IndexOf(no);
  return i < 0 ? nullptr : sessions_[static_cast<size_t>(i)].get();
}

void cAdoSessions::MakeActive(cAdoSession* added) {
  if (sessions_.size() == 1) active_ = added;
  else SetActive(added->GetNo());
}

void cAdoSessions::Add(int no, const std::string& name, const std::string& descriptor) {
  sessions_.push_back(std::make_unique<cAdoSession>(no, name, descriptor));
  MakeActive(sessions_.back().get());
}

void cAdoSessions::Replace(int no, const std::string& name, const std::string& descriptor) {
  long i = IndexOf(no);
  if (i < 0) return;
  auto& slot = sessions_[static_cast<size_t>(i)];
  if (active_ == slot.get()) active_ = nullptr;
  slot.reset();  // closes its connection
  slot = std::make_unique<cAdoSession>(no, name, descriptor);
  cAdoSession* made = slot.get();
  // Made active as when adding; with several sessions of one number the
  // lookup takes the first.
  if (sessions_.size() == 1) active_ = made;
  else {
    active_ = nullptr;
    SetActive(no);
  }
}

void cAdoSessions::Remove(int no) {
  long i = IndexOf(no);
  if (i < 0) return;
  cAdoSession* doomed = sessions_[static_cast<size_t>(i)].get();
  if (sessions_.size() == 1) {
    active_ = nullptr;
  } else if (active_ == doomed) {
    active_ = (i == 0 ? sessions_[1] : sessions_[0]).get();
  }
  sessions_.erase(sessions_.begin() + i);
}

void cAdoSessions::Clear() {
  active_ = nullptr;
  sessions_.clear();
}

void cAdoSessions::SetActive(int no) {
  if (active_ && active_->GetNo() == no) return;
  active_ = Find(no);
}

bool cAdoSessions::Connect(int no) {
  cAdoSession* s = Find(no);
  return s && s->Connect();
}

bool cAdoSessions::Disconnect(int no) {
  cAdoSession* s = Find(no);
  return s && s->Disconnect();
}

bool cAdoSessions::IsConnected(int no) const {
  cAdoSession* s = Find(no);
  return s && s->IsConnected();
}

bool cAdoSessions::OpenQuery(const std::string& sql, RecordSet& dataSet) {
  return active_ && active_->OpenQuery(sql, dataSet);
}

bool cAdoSessions::ExecuteCommand(const std::string& sql, int& rowsAffected) {
  return active_ && active_->ExecuteCommand(sql, rowsAffected);
}

// --- cBrenmoSessions ---

cBrenmoSessions::cBrenmoSessions() { Restore(); }

cBrenmoSessions::~cBrenmoSessions() {
  try {
    if (saveOnDestroy_) Save(GetAutoConnect());
  } catch (const std::exception& e) {
    ShowException(e.what());
  }
  Clear();
}

void cBrenmoSessions::Restore() {
  std::vector<std::string> keys;
  ReadIniSection("Connect", keys);
  bool reconnected = false;
  int lastReconnected = 0;
  for (const auto& key : keys) {
    std::string value = ReadConnect(key);
    size_t semi = value.find(';');
    std::string head = value.substr(0, semi);
    std::string descriptor = semi == std::string::npos ? std::string() : value.substr(semi + 1);
    size_t comma = head.find(',');
    std::string name = head.substr(0, comma);
    std::string flagText = comma == std::string::npos ? std::string() : head.substr(comma + 1);
    int no = 0, flag = 0;
    // An entry that was not written by the program (a name holding "," or
    // ";", a key edited by hand) is skipped; the others still load.
    if (!ParseDecimal(key, no) || !ParseDecimal(flagText, flag)) continue;
    Add(no, name, descriptor);
    if (flag != 0 && ConnectActive()) {
      reconnected = true;
      lastReconnected = no;
    }
  }
  if (reconnected) SetActive(lastReconnected);
}

void cBrenmoSessions::Save(bool autoConnect) {
  if (!EraseIniSection("Connect")) return;
  int position = 0;
  for (const auto& s : GetList()) {
    ++position;
    const char* flag = "0";
    if (s->IsConnected()) {
      flag = autoConnect ? "1" : "0";
      s->Disconnect();
    }
    WriteConnect(std::to_string(position), s->GetName() + "," + flag + ";" + s->GetDescriptor());
  }
}

void cBrenmoSessions::ListSessions(std::vector<std::string>& items) const {
  for (const auto& s : GetList()) items.push_back(std::to_string(s->GetNo()) + ":" + s->GetName());
}

std::string cBrenmoSessions::GetListText() const {
  static const std::string connected = J("接続中");
  std::string out;
  for (const auto& s : GetList()) {
    out += std::to_string(s->GetNo()) + "\t" + (s->IsConnected() ? connected : "") + "\t" +
           s->GetName() + "\t" + s->GetDataSource() + "\t" + s->GetTypeName() + "\t" +
           s->GetUserId() + "\t" + s->GetPassword() + "\r\n";
  }
  return out;
}

SessionFields cBrenmoSessions::GetSessionFields(const std::string& numberText) const {
  for (const auto& s : GetList())
    if (std::to_string(s->GetNo()) == numberText)
      return {s->GetName(), s->GetTypeName(), s->GetDataSource(), s->GetUserId(), s->GetPassword()};
  return {};
}

}  // namespace tolvane
