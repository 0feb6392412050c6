#!/usr/bin/python3
# Writes protected.odt beside this script: a one-line text document with the password
# "secret", saved by the office itself (Debian: python3-uno). Run again only to change it.
import os
import subprocess
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


here = os.path.dirname(os.path.abspath(__file__))
with tempfile.TemporaryDirectory() as work:
    text = os.path.join(work, "protected.txt")
    with open(text, "w") as f:
        f.write("Sealed words behind a password\n")
    office = subprocess.Popen(["soffice", "-env:UserInstallation=file://" + work + "/profile",
                               "--headless", "--accept=pipe,name=velmora-fixture;urp;"])
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(120):
        try:
            context = resolver.resolve(
                "uno:pipe,name=velmora-fixture;urp;StarOffice.ComponentContext")
            break
        except Exception:
            time.sleep(0.5)
    desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop",
                                                               context)
    document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(text), "_blank", 0,
                                            (prop("Hidden", True),))
    document.storeToURL(uno.systemPathToFileUrl(os.path.join(here, "protected.odt")),
                        (prop("FilterName", "writer8"), prop("Password", "secret")))
    document.close(True)
    try:
        desktop.terminate()
    except Exception:
        pass
    office.wait(60)
