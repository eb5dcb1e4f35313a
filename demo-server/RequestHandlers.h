#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo-server/DataStore.h"
#include "demo-server/PhotoStore.h"
#include "demo-server/ServerLimits.h"
#include "demo-server/XmlOut.h"

// What the server answers, whatever the endpoint: every reply goes out with status 200, errors
// included (they travel as log items that the client shows).
struct Reply {
    std::string body;
    std::string contentType = kXmlContentType;
    std::string fileName; // offered to a browser for a PDF
};

struct ServerContext {
    DataStore& store;
    PhotoStore& photos;
    std::string pdfFolder; // the last copy of each report
    ServerLimits limits;
};

// One part of a posted form (multipart or not).
struct FormField {
    std::string name;
    std::string content;
    std::string fileName;
};

// A GET: the path and the raw target, whose query is decoded here.
Reply answerGet(ServerContext& context, std::string_view path, std::string_view target);
// A POST with its form fields in the order they came.
Reply answerPost(ServerContext& context, std::string_view path,
                 const std::vector<FormField>& fields);

inline constexpr std::string_view kImagePath = "/voimages/";
inline constexpr std::string_view kSmsPath = "/tools/smssend/smssend.php5";
inline constexpr std::string_view kSmsSuccess = "telephonySmsSend successfull";
