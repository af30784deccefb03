#pragma once

#include <QString>

#include <map>
#include <set>

#include "nucleo/Ni.h"
#include "nucleo/TCodigoRetencao.h"
#include "secoes/IzuqConsultasRemessa.h"
#include "secoes/IzuqDeclaracaoRemessa.h"

namespace remessa_teste {

// Reference tables of a few rows, counting the questions that would reach a database.
class ConsultasFalsas : public IzuqConsultasRemessa {
 public:
  struct Codigo {
    QString tipo;
    QString fundo;
    QString naturezas;
  };

  ConsultasFalsas() {
    codigos[QStringLiteral("0473")] = {QStringLiteral("A"), QStringLiteral("N"), QStringLiteral("0123489")};
    codigos[QStringLiteral("0610")] = {QStringLiteral("F"), QStringLiteral("N"), QStringLiteral("0123489")};
    codigos[QStringLiteral("9001")] = {QStringLiteral("J"), QStringLiteral("N"), QStringLiteral("0123489")};
    codigos[QStringLiteral("9002")] = {QStringLiteral("A"), QStringLiteral("S"), QStringLiteral("0123489")};
    codigos[QStringLiteral("9003")] = {QStringLiteral("A"), QStringLiteral("N"), QStringLiteral("2")};
    formas[10] = {10, QStringLiteral("F"), QStringLiteral("Com retenção"), QStringLiteral("V")};
    formas[40] = {40, QStringLiteral("V"), QStringLiteral("Sem retenção"), QStringLiteral("F")};
    formas[50] = {50, QStringLiteral("V"), QStringLiteral("Qualquer"), QStringLiteral("V")};
  }

  bool ExistePais(int codigo) override {
    ++perguntasBanco;
    return paises.count(codigo) > 0;
  }
  bool ExistePaisEmCache(int codigo) override {
    ++perguntasCache;
    return paises.count(codigo) > 0;
  }
  bool ExisteRelacao(const QString& codigo) override {
    ++perguntasBanco;
    return relacoes.count(codigo) > 0;
  }
  bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) override {
    const auto achado = codigos.find(codigo);
    if (achado == codigos.end()) return false;
    destino.SetCodigo(codigo);
    destino.SetPfPjAmbos(achado->second.tipo);
    destino.SetAnexo(achado->second.fundo);
    destino.SetNaturezas(achado->second.naturezas);
    return true;
  }
  std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) override {
    const auto achada = formas.find(codigo);
    if (achada == formas.end()) return std::nullopt;
    return achada->second;
  }
  bool ExisteTipoRendimento(const QString& codigo) override {
    ++perguntasBanco;
    return tipos.count(codigo.toInt()) > 0;
  }
  bool ExisteTipoRendimentoEmCache(int codigo) override {
    ++perguntasCache;
    return tipos.count(codigo) > 0;
  }

  std::set<int> paises{586, 63};
  std::set<QString> relacoes{QStringLiteral("500"), QStringLiteral("900")};
  std::map<QString, Codigo> codigos;
  std::map<int, TzuqFormaTributacao> formas;
  std::set<int> tipos{110, 240, 250, 300};
  int perguntasBanco = 0;
  int perguntasCache = 0;
};

// A declaration: a company of nature 0 by default, outside the verification.
class DeclaracaoFalsa : public IzuqDeclaracaoRemessa {
 public:
  uint8_t TipoNiDeclarante() const override { return tipoNi; }
  std::optional<int> CodigoNatureza() const override { return natureza; }
  bool AdministraFundoClube() const override { return administrador; }
  bool PagamentosCopa() const override { return copa; }
  bool VerificacaoEmCurso() const override { return verificando; }
  QString FundoMesmaRaiz(const QString& cnpj) override {
    ++perguntasFundo;
    return cnpj.left(8) == raizFundo ? QStringLiteral("Fundo de Teste") : QStringLiteral("SemErro");
  }

  uint8_t tipoNi = kNiCnpj;
  std::optional<int> natureza = 0;
  bool administrador = false;
  bool copa = false;
  bool verificando = false;
  QString raizFundo = QStringLiteral("11444777");
  int perguntasFundo = 0;
};

}  // namespace remessa_teste
