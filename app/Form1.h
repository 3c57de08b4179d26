#pragma once

#include <QMainWindow>

namespace vellory {

// The hub: explains the product and opens every other window. It keeps no data and changes
// nothing itself.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // The product's home page, opened by Help > Vellory Website.
    static const char *const kWebsiteUrl;

private:
    void BuildControls(QWidget *client);
    void BuildMenus();
    void VelloryWebsite_Click();
};

}  // namespace vellory
