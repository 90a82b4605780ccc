// The four links: one fixed target each, handed over once a click.
#include <FL/Fl_Button.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/launcher_window.h"
#include "core/links.h"
#include "i18n/language_switching.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace {

std::vector<std::string> handedOver;

bool recordHandOff(const char* target) {
    handedOver.emplace_back(target);
    return true;
}

class Links : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        handedOver.clear();
        linkOpener = recordHandOff;
        buildLauncherWindow();
    }
    void TearDown() override {
        destroyLauncherWindow();
        linkOpener = saved;
        test_support::resetLauncherState();
    }

    LinkOpener saved = linkOpener;
};

TEST_F(Links, EachClickHandsItsOwnTargetOverOnce) {
    mailLink->do_callback();
    websiteLink->do_callback();
    usShopLink->do_callback();
    europeShopLink->do_callback();
    EXPECT_EQ(handedOver, (std::vector<std::string>{LINK_TARGETS[0], LINK_TARGETS[1],
                                                    LINK_TARGETS[2], LINK_TARGETS[3]}));
}

TEST_F(Links, TwoClicksHandTheTargetOverTwice) {
    usShopLink->do_callback();
    usShopLink->do_callback();
    EXPECT_EQ(handedOver, (std::vector<std::string>(2, linkTarget(Link::UsShop))));
}

TEST_F(Links, MailOpensANewMessageWithTheProductSubject) {
    std::string mail = linkTarget(Link::Mail);
    EXPECT_EQ(mail.rfind("mailto:", 0), 0u);
    EXPECT_NE(mail.find("@"), std::string::npos);
    EXPECT_EQ(mail.substr(mail.find('?')), "?subject=TarvellinePC");
}

TEST_F(Links, WebTargetsAreDistinctHttpsAddressesOnReservedDomains) {
    std::vector<std::string> web = {linkTarget(Link::Website), linkTarget(Link::UsShop),
                                    linkTarget(Link::EuropeShop)};
    for (const std::string& target : web) {
        EXPECT_EQ(target.rfind("https://", 0), 0u) << target;
        std::string host = target.substr(8, target.find('/', 8) - 8);
        EXPECT_EQ(host.substr(host.size() - 8), ".example") << target;
    }
    EXPECT_NE(web[0], web[1]);
    EXPECT_NE(web[1], web[2]);
    EXPECT_NE(web[0], web[2]);
}

TEST_F(Links, LabelsReadTheSameAfterALanguageChange) {
    LauncherSettings::language = 3;
    relabelWindow();
    EXPECT_STREQ(mailLink->label(), "MAIL");
    EXPECT_STREQ(websiteLink->label(), "/ WEBSITE");
    EXPECT_STREQ(usShopLink->label(), "/ US Plumbox KORVANEX SHOP");
    EXPECT_STREQ(europeShopLink->label(), "(EUROPE)");
}

}  // namespace
