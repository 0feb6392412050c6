#pragma once

// Connects the shell to the account service: the title bar's account text and the account
// dialog. The service itself is made on first use, which is the main window's construction.
namespace AccountWiring {

void install();

} // namespace AccountWiring
