#pragma once

#include <QString>
#include <optional>
#include <string>

class FormMain;
struct GenerationResult;

// The window's side of page generation: fetch the friend-list payload from the browser, let
// the core write the page from the boxes' current texts, put it into the page file and open
// the blog new-entry page.
//
// Each returns what failed, or nothing when the run ended as a task expects: with the page
// written, or without a page because the browser was busy or the payload too short (the task
// then waits for the user to stop it).
class PageGenerators
{
public:
    explicit PageGenerators(FormMain& form) : m_form(form) {}

    std::optional<QString> MakeName();
    std::optional<QString> GetInfo();

    // The payload of the latest fetch; an unsuccessful fetch keeps the earlier one.
    const std::string& pageData() const { return sPageData; }

private:
    void fetchPayload();
    // Writes a generated page into the page file and opens the new-entry page.
    std::optional<QString> publishPage(const GenerationResult& result);

    FormMain& m_form;
    std::string sPageData;
};
