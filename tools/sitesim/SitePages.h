#pragma once

#include "Friend.h"

#include <string>
#include <string_view>

namespace sitesim {

// A whole HTML document. The body is inserted as it is, so nothing follows its last
// element: the friend-list page relies on that.
std::string pageShell(std::string_view title, std::string_view body);

struct LoginPageOptions
{
    std::string error;        // shown above the form when not empty
    std::string enteredEmail; // put back into the form after a failed attempt
    bool withFrame = false;   // an <iframe>, so one load completes more than one document
};

std::string loginPage(const LoginPageOptions& options);
std::string noticePage();
std::string homePage(const Account& account, std::size_t friendCount);

// A short page for every refusal and error: the status line and one sentence.
std::string statusPage(int status, std::string_view message);

} // namespace sitesim
