#pragma once

#include <QString>

// Opens a web address in the desktop's browser without waiting for the page.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;

    virtual void Open(const QString& address) = 0;
};

// Hands the address to xdg-open; when that cannot be started or reports a
// failure, an information box shows the address so that the user can type it.
class DesktopBrowser final : public WebBrowser {
public:
    void Open(const QString& address) override;

    static QString CouldNotOpenText(const QString& address);
};
