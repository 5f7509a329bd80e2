#include "app/page_tables.h"

#include "pages/actions_page.h"
#include "pages/finish_page.h"
#include "pages/information_page.h"
#include "pages/install_page.h"
#include "pages/language_page.h"
#include "resource_ids.h"

#define INSTALL_PAGE {PAGE_INSTANCE_PLACEHOLDER, install_page_proc, IDD_INSTALL_PAGE}

PageEntry install_pages[INSTALL_PAGE_COUNT + 1] = {
    {PAGE_INSTANCE_PLACEHOLDER, language_page_proc, IDD_LANGUAGE_PAGE},
    {PAGE_INSTANCE_PLACEHOLDER, information_page_proc, IDD_INFORMATION_PAGE},
    {PAGE_INSTANCE_PLACEHOLDER, actions_page_proc, IDD_ACTIONS_PAGE},
    // Page n + 3 installs product n.
    INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE,
    INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE,
    INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE,
    INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE, INSTALL_PAGE,
    {PAGE_INSTANCE_PLACEHOLDER, finish_page_proc, IDD_FINISH_PAGE},
    {NULL, NULL, 0},
};
