#pragma once
// Sessions: numbered, named connections, held in order with one of them
// active.
#include <memory>
#include <string>
#include <vector>

#include "data/cAdo.h"

namespace tolvane {

class cAdoSession : public cAdo {
 public:
  cAdoSession(int no, std::string name, const std::string& descriptor)
      : cAdo(descriptor), no_(no), name_(std::move(name)) {}
  int GetNo() const { return no_; }
  const std::string& GetName() const { return name_; }

 private:
  int no_;
  std::string name_;
};

class cAdoSessions {
 public:
  cAdoSessions() = default;
  virtual ~cAdoSessions() { Clear(); }
  cAdoSessions(const cAdoSessions&) = delete;
  cAdoSessions& operator=(const cAdoSessions&) = delete;

  void Add(int no, const std::string& name, const std::string& descriptor);
  void Replace(int no, const std::string& name, const std::string& descriptor);
  void Remove(int no);
  void Clear();

  int GetCount() const { return static_cast<int>(sessions_.size()); }
  const std::vector<std::unique_ptr<cAdoSession>>& GetList() const { return sessions_; }
  cAdoSession* Find(int no) const;

  cAdoSession* GetActive() const { return active_; }
  void SetActive(int no);
  int GetActiveNo() const { return active_ ? active_->GetNo() : -1; }
  int GetFirstNo() const { return sessions_.empty() ? -1 : sessions_.front()->GetNo(); }
  int GetLastNo() const { return sessions_.empty() ? -1 : sessions_.back()->GetNo(); }

  bool ConnectActive() { return active_ && active_->Connect(); }
  bool Connect(int no);
  bool DisconnectActive() { return active_ && active_->Disconnect(); }
  bool Disconnect(int no);
  bool IsActiveConnected() const { return active_ && active_->IsConnected(); }
  bool IsConnected(int no) const;

  bool OpenQuery(const std::string& sql, RecordSet& dataSet);
  bool ExecuteCommand(const std::string& sql, int& rowsAffected);
  std::string GetLastSql() const { return active_ ? active_->GetLastSql() : std::string(); }
  double GetElapsed() const { return active_ ? active_->GetElapsed() : 0.0; }
  std::string GetDescriptor(const cAdoSession* session) const {
    return session ? session->GetDescriptor() : std::string();
  }

 private:
  long IndexOf(int no) const;
  void MakeActive(cAdoSession* added);

  std::vector<std::unique_ptr<cAdoSession>> sessions_;
  cAdoSession* active_ = nullptr;
};

// The fields that the connection settings dialog shows for one session.
struct SessionFields {
  std::string name, typeName, dataSource, userId, password;
};

// cAdoSessions kept in section "Connect" of the settings file: restored when
// made, saved when destroyed.
class cBrenmoSessions : public cAdoSessions {
 public:
  // Restores the saved sessions, reconnecting those marked for it.
  cBrenmoSessions();
  // Saves with the AutoConnect setting, then destroys every session.
  ~cBrenmoSessions() override;

  void Restore();
  // Leaves section "Connect" untouched at destruction (a command-line run
  // must not change what the editor saved); sessions are still closed.
  void KeepSavedOnDestroy() { saveOnDestroy_ = false; }
  // Rewrites section "Connect" numbered 1, 2, ... in list order; connected
  // sessions are disconnected and marked for reconnection when autoConnect.
  void Save(bool autoConnect);

  // "number:name" per session.
  void ListSessions(std::vector<std::string>& items) const;
  // number TAB state TAB name TAB data source TAB type TAB user TAB password CR LF, per session.
  std::string GetListText() const;
  SessionFields GetSessionFields(const std::string& numberText) const;

 private:
  bool saveOnDestroy_ = true;
};

// Strict decimal reading of a 32-bit number; false for anything else.
bool ParseDecimal(const std::string& text, int& value);

}  // namespace tolvane
