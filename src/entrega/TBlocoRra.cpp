#include "entrega/TBlocoRra.h"

#include <array>

#include "entrega/ConfereSecao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "entrega/ValoresLinha.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"

namespace {

const char* const kMeses[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};

// The twelve columns of one series of the item, located once.
class SerieRra {
 public:
  SerieRra(const bd::Consulta& q, const char* prefixo) {
    for (int m = 0; m < 12; ++m)
      m_colunas[m] = q.indiceCampo(QStringLiteral("%1_%2").arg(QLatin1String(prefixo), QLatin1String(kMeses[m])));
  }
  const SerieArquivo& Le(const bd::Consulta& q) {
    for (int m = 0; m < 12; ++m) m_serie[m] = q.campo(m_colunas[m]).dezMilesimos();
    return m_serie;
  }

 private:
  std::array<int, 12> m_colunas{};
  SerieArquivo m_serie{};
};

}  // namespace

QString TBlocoRra::ConsultaItens() {
  // Names come from BENEFICIARIOS; an item whose names are missing is still written, with them empty.
  return QStringLiteral(
      "SELECT R.*, A.NM_NM_EMPR AS NM_ADVOGADO, B.NM_NM_EMPR AS NM_NM_EMPR "
      "FROM RRA_ITEM R "
      "LEFT JOIN BENEFICIARIOS A ON A.IN_PF_PJ = R.IN_PF_PJ_ADVOGADO AND A.NR_PF_PJ = R.NR_ADVOGADO "
      "LEFT JOIN BENEFICIARIOS B ON B.IN_PF_PJ = R.IN_PF_PJ AND B.NR_PF_PJ = R.NR_PF_PJ "
      "ORDER BY R.IN_TIPO_RRA, R.RRA_PROCESSO NULLS FIRST, R.IN_PF_PJ_ADVOGADO NULLS FIRST, "
      "R.NR_ADVOGADO NULLS FIRST, R.NR_PF_PJ NULLS FIRST, R.NATUREZA NULLS FIRST, R.RRA_ITEM_ID");
}

namespace {

[[noreturn]] void RecusaTipo(const QString& tipo) {
  throw ErroGravacao(QStringLiteral("ETipoRra"),
                     QStringLiteral("A declaração não pode ser gravada: um item de rendimentos recebidos "
                                    "acumuladamente tem o tipo \"%1\", que não é do declarante nem da Justiça, e a "
                                    "verificação não o confere. Exclua o item e grave a declaração novamente.")
                         .arg(tipo),
                     true);
}

}  // namespace

void TBlocoRra::Confere(ContextoGravacao& contexto) {
  ConfereSecao(contexto, SecaoIndicada::RraJustica,
               QStringLiteral("SELECT FIRST 1 RRA_ITEM_ID FROM RRA_ITEM WHERE IN_TIPO_RRA = '2'"));
  bd::Consulta outros(contexto.Transacao(),
                      QStringLiteral("SELECT FIRST 1 IN_TIPO_RRA FROM RRA_ITEM WHERE IN_TIPO_RRA NOT IN ('1', '2')"));
  outros.abre();
  if (!outros.eof()) RecusaTipo(outros.campo(1).texto());
}

void TBlocoRra::Gera(ContextoGravacao& contexto) {
  TCompositorRegistros& c = contexto.Compositor();
  EstadoGravacao& estado = contexto.Estado();
  bd::Consulta itens(contexto.Transacao(), ConsultaItens());
  itens.prepara();
  const int cTipo = itens.indiceCampo(QStringLiteral("IN_TIPO_RRA"));
  const int cProcesso = itens.indiceCampo(QStringLiteral("RRA_PROCESSO"));
  const int cTipoAdvogado = itens.indiceCampo(QStringLiteral("IN_PF_PJ_ADVOGADO"));
  const int cAdvogado = itens.indiceCampo(QStringLiteral("NR_ADVOGADO"));
  const int cNomeAdvogado = itens.indiceCampo(QStringLiteral("NM_ADVOGADO"));
  const int cNumero = itens.indiceCampo(QStringLiteral("NR_PF_PJ"));
  const int cNome = itens.indiceCampo(QStringLiteral("NM_NM_EMPR"));
  const int cNatureza = itens.indiceCampo(QStringLiteral("NATUREZA"));
  const int cMolestia = itens.indiceCampo(QStringLiteral("IN_MOLESTIA"));
  const int cLaudo = itens.indiceCampo(QStringLiteral("DATA_LAUDO"));
  SerieRra rendimento(itens, "VL_RENDIME"), molestia(itens, "VL_MOLESTIA"), po(itens, "VL_DEDUCAO_PO"),
      pa(itens, "VL_DEDUCAO_PA"), retido(itens, "VL_RETIDO"), custas(itens, "VL_CUSTAS"), meses(itens, "QTDE_MESES");

  for (itens.abre(); !itens.eof(); itens.proximo()) {
    if (contexto.Cancelado()) return;
    const QString tipo = itens.campo(cTipo).texto();
    if (tipo != u"1" && tipo != u"2") RecusaTipo(tipo);
    if (tipo == u"2" && !SecaoLiberada(SecaoIndicada::RraJustica, estado.Indicadores)) continue;

    const QString tipoAdvogado = itens.campo(cTipoAdvogado).texto();
    const QString baseAdvogado = itens.campo(cAdvogado).texto();
    const QString advogado = baseAdvogado.isEmpty() ? QString()
                             : baseAdvogado + (tipoAdvogado == u"1" ? TCpf::CalculaDVCpf(baseAdvogado)
                                                                    : TCnpj::CalculaDVCnpj(baseAdvogado));
    const QString base = itens.campo(cNumero).texto();
    const QString cpf = base + TCpf::CalculaDVCpf(base);
    const QString processo = itens.campo(cProcesso).texto();
    const QString chave = QStringLiteral("processo %1, CPF %2").arg(processo, cpf);

    LinhaRegistro& r = c.Inicia("RRA", chave);
    r.Texto("Tipo_de_Justiça", tipo);
    r.Texto("Número_do_processo", processo);
    r.Texto("Tipo_de_pessoa_do_advogado/_escritório_de_advocacia", tipoAdvogado);
    r.Texto("CPF_do_advogado/_CNPJ_do_escritório_de_advocacia", advogado);
    r.Texto("Nome_do_advogado/_Nome_empresarial_do_escritório_de_advocacia",
            NormalizaTextoArquivo(itens.campo(cNomeAdvogado).texto(), true));
    c.Grava();
    // Every item under its own code record, also when the previous item shares its process.
    c.IDREC(QStringLiteral("1889"));

    ++estado.QtdBeneficiariosPF;
    LinhaRegistro& b = c.Inicia("BPFRRA", chave);
    b.Texto("CPF", cpf);
    b.Texto("Nome", NormalizaTextoArquivo(itens.campo(cNome).texto(), true));
    b.Texto("Natureza do RRA", NormalizaTextoArquivo(itens.campo(cNatureza).texto(), true));
    const QDate laudo = itens.campo(cLaudo).data();
    if (itens.campo(cMolestia).texto() == u"S" && !DataVazia(laudo))
      b.Ascii(laudo.toString(QStringLiteral("yyyyMMdd")).toLatin1());
    else
      b.Vazio();
    c.Grava();
    contexto.Avanca();

    c.Mensal("RTRT", rendimento.Le(itens), 12);
    c.Mensal("RIMOG", molestia.Le(itens), 12);
    c.Mensal("RTPO", po.Le(itens), 12);
    c.Mensal("RTPA", pa.Le(itens), 12);
    int64_t centavos = 0;
    if (c.Mensal("RTIRF", retido.Le(itens), 12, &centavos)) estado.TotalRraIrrf += centavos;
    c.Mensal("DAJUD", custas.Le(itens), 12);
    c.Decimos("QTMESES", meses.Le(itens));
  }
}
