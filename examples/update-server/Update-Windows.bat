@echo off
rem Sorvane-Update für Windows: legt die neuen Dateien in den Programmordner %s.
cd /d "%s"
ping -n 3 127.0.0.1 >nul & copy /y "%sNeuigkeiten.zvq" "%sNeuigkeiten.zvq" >nul
