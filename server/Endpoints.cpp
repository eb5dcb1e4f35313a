#include "server/Endpoints.h"

namespace endpoint {

namespace {
std::string join(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}
} // namespace

std::string infoVO(std::string_view base, std::string_view idTVO, std::string_view idUser)
{
    return join({base, "AxInfoVO", "?XMLC_OutputFormat=XML", "&idTVO=", idTVO, "&UserID=", idUser});
}

std::string infoCL(std::string_view base, std::string_view idUser)
{
    return join({base, "AxInfoCL", "?XMLC_OutputFormat=XML", "&UserID=", idUser});
}

std::string infoEquip(std::string_view base, std::string_view userConcession)
{
    return join({base, "AxInfoEquip?XMLC_OutputFormat=XML&UserConcession=", userConcession,
                 "&WHERE_CLAUSE=Where (RubricItem='..') or (RubricItem='", userConcession, "')"});
}

std::string infoStruct(std::string_view base, std::string_view userConcession)
{
    return join({base, "AxInfoStruct?XMLC_OutputFormat=XML&UserConcession=", userConcession});
}

std::string querySearch(std::string_view base, std::string_view statement, int maxRows)
{
    return join({base, "AxQuery", "?XMLC_OutputFormat=XML", "&SQL=", statement,
                 "&MaxRows=", std::to_string(maxRows)});
}

std::string queryCount(std::string_view base, std::string_view statement)
{
    return join({base, "AxQuery", "?XMLC_OutputFormat=XML", "&SQL=", statement});
}

std::string update(std::string_view base, std::string_view statement)
{
    return join({base, "AxUpdate", "?XMLC_OutputFormat=XML&SQLExecute=", statement});
}

std::string insert(std::string_view base, std::string_view statement)
{
    return join({base, "AxInsert", "?XMLC_OutputFormat=XML&SQLExecute=", statement});
}

std::string insertPost(std::string_view lastUrl)
{
    // Resolving a relative name replaces the last path segment and drops the query.
    std::string_view path = lastUrl.substr(0, lastUrl.find('?'));
    const size_t slash = path.rfind('/');
    const size_t scheme = path.find("://");
    if (slash == std::string_view::npos || (scheme != std::string_view::npos && slash < scheme + 3))
        return join({path, "/AxInsert"});
    return join({path.substr(0, slash + 1), "AxInsert"});
}

std::string reportClient(std::string_view base, std::string_view idClient)
{
    return join({base, "ReportPDF?rptSelect=idClient=", idClient, "&rptName=Fiche Ostrel"});
}

std::string reportVehicle(std::string_view base, std::string_view idVO,
                          std::string_view kindCaption)
{
    return join({base, "ReportPDF?rptSelect=idVO=", idVO, "&rptName=", kindCaption,
                 " - Fiche Commerciale"});
}

std::string reportMargin(std::string_view base, std::string_view idVO)
{
    return join({base, "ReportPDF?rptSelect=idVO=", idVO, "&rptName=VO - Feuille de Marge"});
}

std::string photo(std::string_view urlImages, std::string_view photoName)
{
    return join({urlImages, photoName, ".jpg"});
}

std::string smsGateway(std::string_view gatewayHost)
{
    std::string host(gatewayHost);
    while (!host.empty() && host.back() == '/')
        host.pop_back();
    if (host.find("://") == std::string::npos)
        host = "http://" + host;
    return host + "/tools/smssend/smssend.php5";
}

std::string_view nameOf(std::string_view url)
{
    const std::string_view path = url.substr(0, url.find('?'));
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace endpoint
