# Sorvane-Update für Linux: legt die neuen Dateien in den Programmordner.
sleep 2
cd %s || exit 1
cp -f %sNeuigkeiten.zvq %sNeuigkeiten.zvq
