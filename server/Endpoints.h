#pragma once

#include <string>
#include <string_view>

// The one catalogue of what the client asks of the server: every URL with its keys in order, and
// the reply files. Arguments are Windows-1252 texts; "base" is BaseHRef, which ends with "/".
// HttpExecute appends "&idClient=" and the current client identifier to every GET.

namespace endpoint {

// 1: record document of a vehicle.
std::string infoVO(std::string_view base, std::string_view idTVO, std::string_view idUser);
// 2: record document of a client; the client identifier travels in the appended "&idClient=".
std::string infoCL(std::string_view base, std::string_view idUser);
// 3: lists document of the user's dealership (cached).
std::string infoEquip(std::string_view base, std::string_view userConcession);
// 4: structure document (cached).
std::string infoStruct(std::string_view base, std::string_view userConcession);
// 5: search results, at most maxRows rows.
std::string querySearch(std::string_view base, std::string_view statement, int maxRows);
// 6: duplicate count.
std::string queryCount(std::string_view base, std::string_view statement);
// 7, 9, 10, 11: changes to existing rows, deletions, list additions, photo names.
std::string update(std::string_view base, std::string_view statement);
// 8: new rows; the statement holds ":NewID".
std::string insert(std::string_view base, std::string_view statement);
// 12: the multipart photo upload, "AxInsert" resolved against the address of the last request.
std::string insertPost(std::string_view lastUrl);
// 13: reports opened in the browser.
std::string reportClient(std::string_view base, std::string_view idClient);
std::string reportVehicle(std::string_view base, std::string_view idVO,
                          std::string_view kindCaption);
std::string reportMargin(std::string_view base, std::string_view idVO);
// 14: a photo file.
std::string photo(std::string_view urlImages, std::string_view photoName);
// 15: the SMS gateway on its own host ("host" or "host:port", with or without "http://").
std::string smsGateway(std::string_view gatewayHost);

// The endpoint a URL names: the last part of its path ("AxUpdate" of Base + "AxUpdate?...").
std::string_view nameOf(std::string_view url);

} // namespace endpoint

// Reply files, joined to TempFolder.
namespace replyfile {
inline constexpr const char* VO = "XmlVO.xml";
inline constexpr const char* CL = "XmlCL.xml";
inline constexpr const char* Equip = "XmlEquip.xml";
inline constexpr const char* Struct = "XmlStruct.xml";
inline constexpr const char* SInf = "XmlSInf.xml";
inline constexpr const char* SDbl = "XmlSDbl.xml";
inline constexpr const char* SqlVO = "XmlAXSQLVO.xml";
inline constexpr const char* SqlFrevo = "XmlAXSQLFrevo.xml";
inline constexpr const char* SqlAction = "XmlAXSQLAction.xml";
inline constexpr const char* Delete = "XmlAXDelete.xml";
inline constexpr const char* Insert = "XmlAXInsert.xml";
inline constexpr const char* Update = "XmlAXUpdate.xml";
} // namespace replyfile
