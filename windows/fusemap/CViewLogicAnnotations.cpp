// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "FuseMapLayout.h"
#include "OutputTerms.h"
#include "Resources.h"
#include "Utf8.h"

// The function annotations beside the OR array and the row labels of the
// AND array, as drawing items in logical units.

namespace {

namespace L = FuseMapLayout;

// Where the lines of function f's annotation start: its label, then the
// "=" and the terms of the line below.
struct CAnnotationPlaces
{
    ZPoint label;       // the label, then the minterm line beside it
    int equalsX;        // "=" of the following lines
    int termsX;         // " 0", a single PAL minterm, the sigma, the sum
    int singleMintermX; // a single PROM minterm
    int listX;          // the list after the sigma
    int lineY(int line) const { return label.y + L::kAnnotationLinePitch * line; }
};

CAnnotationPlaces AnnotationPlaces(const ZRect& area)
{
    const int x = area.left;
    return {{x + L::kAnnotationLabelX, area.top + L::kAnnotationTop}, x + L::kAnnotationEqualsX,
            x + L::kAnnotationTermsX, x + L::kAnnotationSingleMintermX, x + L::kAnnotationListX};
}

// "m~d5~d": m with the minterm number as a subscript.
const std::string& FunctionName(const Device& device, int f)
{
    return device.names.functions[static_cast<std::size_t>(f)];
}

std::string SubscriptedMinterm(int m) { return "m~d" + std::to_string(m) + "~d"; }

// Joins the texts with " + ", "" for none.
std::string JoinTerms(const std::vector<std::string>& terms)
{
    std::string sum;
    for (const std::string& term : terms)
        sum += term + " + ";
    if (sum.size() >= 3)
        sum.resize(sum.size() - 3);
    return sum;
}

} // namespace

std::string FunctionLabel(const std::string& name)
{
    // Names count in characters, which may take several bytes each.
    if (Utf8::CountChars(name) == 2)
        return std::string(Utf8::CharAtIndex(name, 0)) + "~d" + std::string(Utf8::CharAtIndex(name, 1)) + "~d =";
    // An empty name (which the names dialog refuses) labels as blanks.
    return std::string(Utf8::Truncate(name, 1)) + "  =";
}

std::string DontCareSuffix(const int* list, int n, bool blankAfterParenthesis)
{
    if (n == 0)
        return "";
    if (n == 1)
        return " with don't care " + std::to_string(list[0]);
    return std::string(blankAfterParenthesis ? " with don't cares ( " : " with don't cares (") + ListText(list, n) +
           " )";
}

std::vector<CDrawItem> CViewLogic::BuildAnnotations() const
{
    std::vector<CDrawItem> items;
    if (Dev().flags.blockStructure || Dev().type == DeviceType::Pla)
        return items;
    AddRowLabels(items);
    for (int f = 0; f < Device::kFunctions; ++f) {
        if (Dev().type == DeviceType::Prom)
            AddPromFunction(items, f);
        else
            AddPalFunction(items, f);
    }
    return items;
}

// PROM rows show the minterm their hard-wired decoder line produces, PAL rows
// the product term their fuses give.
void CViewLogic::AddRowLabels(std::vector<CDrawItem>& items) const
{
    for (int r = 0; r < Device::kRows; ++r) {
        const ZPoint at = L::RowLabel(r);
        if (Dev().type == DeviceType::Prom && Dev().flags.showMinterms)
            items.push_back({CDrawItem::RichText, at.x, at.y, SubscriptedMinterm(r) + " = " + Dev().MintermLabel(r)});
        if (Dev().type == DeviceType::Pal && Dev().flags.showProductTerms)
            items.push_back({CDrawItem::RichText, at.x, at.y, Dev().pal.Row(r).text});
    }
}

std::string CViewLogic::PromSumOfProducts(int f) const
{
    std::vector<std::string> texts;
    for (const ProductTerm& term : OutputTerms(Dev(), m_doc.Covers(), f))
        texts.push_back(term.Text(Dev().names.variables));
    return JoinTerms(texts);
}

std::string CViewLogic::PalRowSum(int f) const
{
    std::vector<std::string> texts;
    for (int r : PalRowsOf(f))
        if (Dev().pal.Row(r).text != "0")
            texts.push_back(Dev().pal.Row(r).text);
    return JoinTerms(texts);
}

void CViewLogic::AddPromFunction(std::vector<CDrawItem>& items, int f) const
{
    const CAnnotationPlaces at = AnnotationPlaces(L::FunctionArea(f));
    const int y = at.lineY(0);
    const MintermSet::List on = Dev().prom.OnSet(f).Ascending(), dc = Dev().prom.DontCares(f).Ascending();
    const int n = on.size(), d = dc.size();
    const int* m = on.data();
    const int* c = dc.data();
    items.push_back({CDrawItem::RichText, at.label.x, y, FunctionLabel(FunctionName(Dev(), f)), 0, true});
    if (n == 0) {
        items.push_back({CDrawItem::PlainText, at.termsX, y, " 0"});
        return;
    }
    if (n == 1) {
        items.push_back(
            {CDrawItem::RichText, at.singleMintermX, y, SubscriptedMinterm(m[0]) + DontCareSuffix(c, d, false)});
    } else {
        items.push_back({CDrawItem::Picture, at.termsX, y, "", kPicSigma});
        items.push_back(
            {CDrawItem::PlainText, at.listX, y, "m ( " + ListText(m, n) + " )" + DontCareSuffix(c, d, true)});
    }
    items.push_back({CDrawItem::PlainText, at.equalsX, at.lineY(1), "="});
    items.push_back({CDrawItem::RichText, at.termsX, at.lineY(1), PromSumOfProducts(f)});
}

// No minimization here: the sum is what the AND array computes as its
// fuses stand.
void CViewLogic::AddPalFunction(std::vector<CDrawItem>& items, int f) const
{
    const CAnnotationPlaces at = AnnotationPlaces(L::FunctionArea(f));
    const int y = at.lineY(0);
    const MintermSet::List on = Dev().pal.OnSet(f).Ascending(), dc = Dev().pal.DontCares(f).Ascending();
    const int n = on.size(), d = dc.size();
    const int* m = on.data();
    const int* c = dc.data();
    items.push_back({CDrawItem::RichText, at.label.x, y, FunctionLabel(FunctionName(Dev(), f)), 0, true});
    if (n == 0) {
        items.push_back({CDrawItem::RichText, at.termsX, y, " 0"});
        return;
    }
    if (n == 1) {
        items.push_back({CDrawItem::RichText, at.termsX, y, SubscriptedMinterm(m[0]) + DontCareSuffix(c, d, true)});
    } else {
        items.push_back({CDrawItem::Picture, at.termsX, y, "", kPicSigma});
        items.push_back({CDrawItem::RichText, at.listX, y, "m( " + ListText(m, n) + " )" + DontCareSuffix(c, d, true)});
    }
    const std::string sum = PalRowSum(f);
    items.push_back({CDrawItem::PlainText, at.equalsX, at.lineY(1), "="});
    items.push_back({CDrawItem::RichText, at.termsX, at.lineY(1), sum});
    if (n == 16 && sum != "1")
        items.push_back({CDrawItem::PlainText, at.equalsX, at.lineY(2), "=  1"});
}
