@echo off
rem QORRMCPL: the clean-up after the Qor modem's uninstall (a stand-in of this
rem tree's own). The uninstall copies it to the Startup folder as QORRMCPL.BAT;
rem at the next logon it deletes the programs and drivers that were in use when
rem the uninstall ran (the Control Panel applet above all), then itself.
for %%f in (QORCPL.CPL QORPORT.VXD QOR_DBS.VXD) do if exist %windir%\system\%%f del %windir%\system\%%f
for %%f in (QORPANEL.EXE QORSCAN.EXE QORRMDEV.EXE QORRMCPL) do if exist %windir%\%%f del %windir%\%%f
del "%windir%\Start Menu\programs\startup\QORRMCPL.BAT"
