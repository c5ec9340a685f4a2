# Deux commandes sur une Debian neuve : "make run" et "make test".
BUILD := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Le préréglage de CMakePresets.json : "defaut", ou "ci" (avertissements en erreurs).
PRESET ?= defaut

.PHONY: run test test-paquet test-debian13 bench build configure deps clean install uninstall paquet

run: build
	./$(BUILD)/Kalvoro/kalvoro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# La mise en paquet vérifiée (tests/install/paquet.sh), dans le dossier de "make paquet" : deux
# mises en paquet du même état donnent les mêmes paquets, durcis et aux bonnes dépendances. C'est
# une deuxième compilation du programme, avec les drapeaux de Debian (deux à cinq minutes sur
# deux cœurs, puis seulement ce qui a changé) : hors de "make test", l'intégration continue la
# lance après la suite.
PAQUET := $(BUILD)-paquet
test-paquet: deps
	bash tests/install/paquet.sh "$(CURDIR)" "$(abspath $(PAQUET))" $(JOBS)

# Toute la suite sur une Debian 13 minimale (chroot fait une fois sous /var/cache/kalvoro/) :
# demande root et quelques minutes, hors de "make test".
test-debian13:
	bash scripts/test-debian13.sh

bench: build
	cmake --build $(BUILD) --target bench

# Installe ce que "make build" a construit, sous PREFIX (/usr/local par défaut) ; DESTDIR est
# suivi comme d'ordinaire. Sans dépendance : "sudo make install" ne reconstruit rien en root.
# La désinstallation ne retire que ce que l'installation aux mêmes DESTDIR et PREFIX a posé :
# les scores des joueurs restent chez eux.
PREFIX ?= /usr/local
install:
	DESTDIR="$(DESTDIR)" bash packaging/installer.sh installer $(BUILD) "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" bash packaging/installer.sh desinstaller $(BUILD) "$(PREFIX)"

# Les paquets source et Debian dans build-paquet/, faits par dpkg-buildpackage depuis debian/,
# puis l'avis de lintian s'il est là (-I : les étiquettes d'information aussi).
paquet: deps
	bash packaging/paquet.sh $(PAQUET) $(JOBS)
	if command -v lintian >/dev/null; then lintian --pedantic -I $(PAQUET)/kalvoro_*.changes; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	cmake --preset $(PRESET)

deps:
	bash scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
