#include "interface/NavegacaoCampo.h"

#include <QCoreApplication>

#include <optional>

#include "interface/TFrDeclaracao.h"

namespace {

bool entre(int secao, int de, int ate) { return secao >= de && secao <= ate; }

}  // namespace

void NavegacaoCampo::IrPara(const QString& dono, const QString& objeto, int secao) {
  using P = TFrDeclaracao;
  TFrDeclaracao& c = m_conteiner;
  const auto pagina = [&c](P::Pagina p) { return c.PaginaDe(p); };
  const auto posiciona = [&](P::Pagina p) {
    if (TPaginaDeclaracao* alvo = pagina(p)) alvo->Posiciona(dono, objeto, secao);
  };
  // Leaving the income-statement page stores its statement first, when valid; any other page
  // gives way at once.
  const auto ativa = [&](P::Pagina p) {
    if (c.PaginaAtual() == P::Comprovante && c.PaginaAtual() != p)
      if (TPaginaDeclaracao* comprovante = pagina(P::Comprovante); comprovante && !comprovante->PodeSair()) return false;
    return c.AtivaPagina(p);
  };

  // The annex pages: the owner key's annex kind, in the collection of the fund page or, without
  // one, of the process page, chooses between them.
  std::optional<int> tipoAnexo;
  bool comAnexos = false;
  for (P::Pagina p : {P::Fundos, P::Advogado}) {
    TPaginaDeclaracao* anexos = pagina(p);
    if (!anexos || !anexos->TemAnexos()) continue;
    comAnexos = true;
    bool numero = false;
    const int fonte = dono.toInt(&numero);
    // A title row of a list names no annex: nothing to go to.
    if (!numero) return;
    tipoAnexo = anexos->TipoDoAnexo(fonte);
    break;
  }
  const P::Pagina paginaAnexo = tipoAnexo == 1 ? P::Advogado : P::Fundos;
  const bool secaoDeAnexo = secao == 4 || secao == 5 || entre(secao, 28, 43) || secao == 59 || secao == 60;
  if (secaoDeAnexo && !comAnexos) return;

  if (secao == 0 || secao == 3) {
    posiciona(P::Comprovante);
    QCoreApplication::processEvents();
  } else if (secao == 2) {
    if (c.PaginaAtual() != P::Comprovante) ativa(P::BeneficiariosTolv);
    posiciona(P::BeneficiariosTolv);
  } else if (entre(secao, 22, 27) || entre(secao, 50, 52)) {
    // Refused by the income-statement page, the lines page is still positioned, not shown.
    ativa(P::BeneficiariosTolv);
    QCoreApplication::processEvents();
    posiciona(P::BeneficiariosTolv);
  } else if (secao == 4) {
    ativa(paginaAnexo);
  } else if (secao == 28 || secao == 29 || entre(secao, 30, 35) || secao == 59 || secao == 60) {
    ativa(paginaAnexo);
    QCoreApplication::processEvents();
    posiciona(paginaAnexo);
  } else if (secao == 5) {
    if (c.PaginaAtual() == P::Comprovante) posiciona(P::Advogado);
    else ativa(P::Advogado);
  } else if (entre(secao, 36, 43)) {
    ativa(P::Advogado);
    QCoreApplication::processEvents();
    posiciona(P::Advogado);
  } else if (entre(secao, 6, 8)) {
    if (c.AtivaPagina(P::Remessa)) c.PosicionarRemessa(dono, QString::number(secao), objeto);
  } else if (entre(secao, 9, 21) || secao == 46) {
    c.AtivaPagina(P::Informacoes);
  } else if (secao == 44) {
    posiciona(P::Comprovante);
    c.AtivaPagina(P::Comprovante);
    QCoreApplication::processEvents();
  } else if (entre(secao, 53, 56)) {
    if (c.AtivaPagina(P::PlanoSaude)) c.PosicionarPlanoSaude(dono, QString::number(secao), objeto);
  } else if (secao == 57 || secao == 58) {
    if (c.AtivaPagina(secao == 57 ? P::RraDeclarante : P::RraJustica)) c.PosicionarRra(dono, objeto, secao);
  }
}
