#pragma once

#include <QApplication>
#include <QString>

#include "interface/PassosPrincipal.h"
#include "plataforma/sistema/AmbienteSistema.h"

// The system as a test wants it.
class AmbienteFalso : public IAmbienteSistema {
 public:
  QString formatoDataCurta() const override { return formato; }
  double resolucaoLogica() const override { return resolucao; }

  QString formato = QStringLiteral("dd/MM/yyyy");
  double resolucao = 96;
};

// The main window's steps, unconnected, counting the calls a test looks at.
struct PassosContados {
  PassosPrincipal passos = PassosPrincipal::desligados();
  bool indiceVazio = true;
  bool falhaIndiceAoAbrir = false;
  bool fecharDeclaracao = true;
  int abreIndice = 0;
  int verificaBancos = 0;
  int fecharColecoes = 0;
  int copiaAutomatica = 0;
  int dialogoInicial = 0;
  int atualizaIndice = 0;

  PassosContados() {
    passos.abreIndice = [this] {
      ++abreIndice;
      if (falhaIndiceAoAbrir) passos.defineFalhaBancoIndice(true);
    };
    passos.indiceVazio = [this] { return indiceVazio; };
    passos.verificaExistenciaBancos = [this](QWidget*) { ++verificaBancos; };
    passos.fecharDeclaracao = [this] { return fecharDeclaracao; };
    passos.fecharColecoes = [this] { ++fecharColecoes; };
    passos.gravaCopiaAutomatica = [this](QWidget*) { ++copiaAutomatica; };
    passos.dialogoInicial = [this](QWidget*) {
      ++dialogoInicial;
      return false;
    };
    passos.atualizaIndice = [this] { ++atualizaIndice; };
  }
  PassosContados(const PassosContados&) = delete;
  PassosContados& operator=(const PassosContados&) = delete;
};
