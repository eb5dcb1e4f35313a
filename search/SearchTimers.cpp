// The search that the timer's count-down starts: the statement, its reply and the result grid.
#include "ui/TAxKelvaro.h"

#include <exception>

#include <QLabel>

#include "app/Cp1252.h"
#include "search/SearchStatements.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

void TAxKelvaro::HttpGetSearchInfo(int extraRows)
{
    const std::string text = cleanSearchText(toCp1252(ncbSearch->text()));
    int type = 0;
    if (!isClientKind(RecordKind)) {
        SetTagRegistry("svTypeVO", ncbTypeVO->text());
        SetTagRegistry("svSite", ncbSite->text());
        SetTagRegistry("svText1", fromCp1252(text));
        type = vehicleSearchType(TSNVO->isEnabled(), TSImmat->isEnabled());
        SetTagRegistry("svOpt1", QString::number(type));
    } else {
        SetTagRegistry("svText2", fromCp1252(text));
        type = clientSearchType(TSImmat->isEnabled(), TSClient->isEnabled(), TSMobile->isEnabled());
        SetTagRegistry("svOpt2", QString::number(type));
    }

    SearchRequest request;
    request.type = type;
    request.text = doubleQuotes(text);
    request.site = toCp1252(ncbSite->text());
    request.typeVOIndex = ncbTypeVO->itemIndex();
    request.exact = ExactSearch;
    request.withFirstName = SearchWithFirstName;
    request.firstName = toCp1252(aCliPrenom->text());
    request.useWhereClause = UseWhereClause;
    request.whereClause = toCp1252(GetTagRegistry("WhereClause"));
    request.concession = toCp1252(UserConcession);
    const std::string statement = BuildSearchStatement(request);
    LbSearch->setText(ExactSearch ? QStringLiteral("recherche exacte :")
                                  : QStringLiteral("à rechercher :"));
    SearchWithFirstName = false;

    if (extraRows == 0)
        SearchMaxRows = 50;
    SearchMaxRows += extraRows;
    const std::optional<TXml> document =
        fetchDocument(endpoint::querySearch(toCp1252(BaseHRef), statement, SearchMaxRows),
                      replyPath(replyfile::SInf), "HttpGetSearchInfo");
    if (!document)
        return;
    const TXml& reply = *document;
    const SearchSummary summary = searchSummary(reply, type);
    ncbLabel->setText(fromCp1252(summary.label));
    JvXPBtnSearchPlus->setVisible(summary.more);

    ngSearch->beginUpdate();
    ngSearch->clearRows();
    ngSearch->setColumnSortKind(3, searchColumn3Dates(type) ? SortKind::Date : SortKind::Text);
    SearchKeyColumn = searchKeyColumn(type);
    ngSearch->setSortedColumn(SearchKeyColumn);
    const auto captions = searchCaptions(type);
    for (int c = 0; c < int(captions.size()); ++c)
        ngSearch->setColumnCaption(c + 2, fromCp1252(captions[std::size_t(c)]));
    for (const SearchCells& cells :
         searchRows(reply, type, toCp1252(UserConcession), toCp1252(UserSite))) {
        const int row = ngSearch->addRow();
        for (int c = 0; c < int(cells.size()); ++c)
            ngSearch->setCell(c, row, fromCp1252(cells[std::size_t(c)]));
    }
    ngSearch->endUpdate();
}
