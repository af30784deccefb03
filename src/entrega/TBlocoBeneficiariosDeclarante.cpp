#include "entrega/TBlocoBeneficiariosDeclarante.h"

#include "entrega/ContextoGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "entrega/ValoresLinha.h"
#include "plataforma/bd/Consulta.h"

namespace {

bool ComecaPorDigito(const QString& numero) { return !numero.isEmpty() && numero[0] >= u'0' && numero[0] <= u'9'; }

}  // namespace

QString TBlocoBeneficiariosDeclarante::ConsultaLinhas() {
  // The ORDER BY walks the index TOLV_ITENS_GRAVACAO: no sort, whatever the size.
  return QStringLiteral(
      "SELECT * FROM V_TOLV_ITENS_ARQUIVO WHERE E_FONTE_DK = :FONTE "
      "ORDER BY E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ");
}

void TBlocoBeneficiariosDeclarante::CarregaCodigos(ContextoGravacao& contexto) {
  m_codigos.clear();
  bd::Consulta codigos(contexto.Transacao(),
                       QStringLiteral("SELECT COD_RETENCAO, PF_PJ_AMBOS, SUBJUDICE, RENDIMENTOS_ISENTOS FROM CODRET "
                                      "WHERE ANO = :ANO AND ANEXO = '0'"));
  codigos.param(QStringLiteral("ANO"), QString::number(contexto.Estado().AnoCalendario));
  for (codigos.abre(); !codigos.eof(); codigos.proximo()) {
    Codigo c;
    c.PfPjAmbos = codigos.campo(2).texto().trimmed();
    c.SubJudice = testapoderjudicial(codigos.campo(3).texto().trimmed());
    c.AdmiteMolestia = codigos.campo(4).texto().contains(u'6');
    m_codigos.insert(codigos.campo(1).texto().trimmed(), c);
  }
}

void TBlocoBeneficiariosDeclarante::Gera(ContextoGravacao& contexto) {
  CarregaCodigos(contexto);
  bd::Consulta linhas(contexto.Transacao(), ConsultaLinhas());
  linhas.param(QStringLiteral("FONTE"), 1);
  GeraIDREC(contexto, linhas);
}

void TBlocoBeneficiariosDeclarante::GeraIDREC(ContextoGravacao& contexto, bd::Consulta& linhas) {
  linhas.prepara();
  const LeitorLinhaArquivo leitor(linhas);
  ValoresLinha linha;
  QString codigoAtual;
  const Codigo* codigo = nullptr;
  bool primeiro = true;
  for (linhas.abre(); !linhas.eof(); linhas.proximo()) {
    if (contexto.Cancelado()) return;
    leitor.LeChave(linha);
    if (primeiro || linha.Codigo != codigoAtual) {
      primeiro = false;
      codigoAtual = linha.Codigo;
      const auto achado = m_codigos.constFind(codigoAtual.trimmed());
      codigo = achado == m_codigos.cend() ? nullptr : &*achado;
      if (codigo) {
        contexto.Estado().EhJudicial = codigo->SubJudice;
        contexto.Compositor().IDREC(codigoAtual);
      }
    }
    // A code without its row of the year is not the declarant's: nothing of it is written.
    if (!codigo || !ComecaPorDigito(linha.Numero)) continue;
    if (linha.Tipo == u"1" && codigo->PfPjAmbos != u"J")
      GeraPFBene(contexto, *codigo, leitor, linha);
    else if (linha.Tipo == u"2" && codigo->PfPjAmbos != u"F")
      GeraPJBene(contexto, leitor, linha);
  }
}

void TBlocoBeneficiariosDeclarante::GeraPFBene(ContextoGravacao& contexto, const Codigo& codigo,
                                               const LeitorLinhaArquivo& leitor, ValoresLinha& linha) {
  leitor.LeValores(linha, true);
  TCompositorRegistros& c = contexto.Compositor();
  // The report date only for codes that admit the illness exemption, and never after the year.
  QDate laudo;
  if (codigo.AdmiteMolestia && !DataVazia(linha.DataLaudo) && linha.DataLaudo.year() <= contexto.Estado().AnoCalendario)
    laudo = linha.DataLaudo;
  c.BeneficiarioPF("BPFDEC", linha.Numero, linha.Nome, laudo);
  contexto.Avanca();
  c.ValoresPessoa(linha, contexto.Estado().EhJudicial);
}

void TBlocoBeneficiariosDeclarante::GeraPJBene(ContextoGravacao& contexto, const LeitorLinhaArquivo& leitor,
                                               ValoresLinha& linha) {
  leitor.LeValores(linha, false);
  TCompositorRegistros& c = contexto.Compositor();
  c.BeneficiarioPJ("BPJDEC", linha.Numero, linha.Nome);
  contexto.Avanca();
  c.ValoresEmpresa(linha);
}
