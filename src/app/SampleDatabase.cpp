#include "app/SampleDatabase.h"

#include <sys/stat.h>
#include <unistd.h>

#include "data/cAdo.h"
#include "platform/Encoding.h"
#include "settings/Fbrenmoini.h"
#include "settings/Fpath.h"
#include "sqltext/cFileIO.h"

namespace tolvane {

bool CreateSampleIfFirstRun(bool* created) {
  if (created) *created = false;
  struct stat st {};
  if (::stat(GetIniFileName().c_str(), &st) == 0) return true;
  const std::string db = ExeDirFile("sample.db");
  ::unlink(db.c_str());
  const std::string descriptor = "{SQLite3 ODBC Driver}," + Utf8ToCp932(db) + ",,,";
  cAdo ado(descriptor);
  if (!ado.Connect()) return false;
  const char* script[] = {
      "CREATE TABLE 社員 (社員番号 INTEGER PRIMARY KEY, 氏名 TEXT NOT NULL, 部署番号 INTEGER, "
      "入社日 TEXT, 給与 INTEGER, 備考 TEXT)",
      "CREATE TABLE 部署 (部署番号 INTEGER PRIMARY KEY, 部署名 TEXT NOT NULL, 所在地 TEXT)",
      "INSERT INTO 部署 VALUES (10, '総務部', '東京'), (20, '営業部', '大阪'), "
      "(30, '開発部', '福岡'), (40, '企画部', NULL)",
      "INSERT INTO 社員 VALUES "
      "(1001, '山田 太郎', 10, '2015-04-01', 420000, NULL), "
      "(1002, '佐藤 花子', 20, '2016-10-01', 380000, '大阪支店から異動'), "
      "(1003, '鈴木 一郎', 30, '2018-04-01', 450000, NULL), "
      "(1004, '高橋 美咲', 30, '2020-04-01', 360000, 'ﾃﾚﾜｰｸ'), "
      "(1005, '田中 健', 20, '2021-07-15', NULL, '試用期間中'), "
      "(1006, '伊藤 さくら', NULL, '2024-04-01', 300000, NULL)",
      "CREATE TABLE 商品 (商品コード TEXT PRIMARY KEY, 商品名 TEXT, 単価 REAL, 在庫数 INTEGER)",
      "INSERT INTO 商品 VALUES ('A-001', 'ボールペン（黒）', 120.0, 350), "
      "('A-002', 'ノート A4', 180.5, 120), ('B-010', '電卓', 1980.0, NULL), "
      "('C-100', '付箋 75×75', 240.0, 0)",
  };
  for (const char* sql : script) {
    int rows = 0;
    if (!ado.ExecuteCommand(Utf8ToCp932(sql), rows)) return false;
  }
  ado.Disconnect();
  WriteConnect("1", J("サンプル") + ",1;" + descriptor);
  // An empty history, so that the first start has one to read.
  const std::string history = ExeDirFile("SQLHistory.Dat");
  if (::stat(history.c_str(), &st) != 0 && !cFileIO::WriteText(history, "", 0600)) return false;
  if (created) *created = true;
  return true;
}

}  // namespace tolvane
