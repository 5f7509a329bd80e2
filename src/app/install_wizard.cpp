// The install wizard: the frame over the install pages, from the language page.
#include "app/wizard.h"

#include "app/page_tables.h"

int run_install_wizard()
{
    fill_page_instances(install_pages);
    return static_cast<int>(run_wizard(NULL, install_pages, 0));
}
