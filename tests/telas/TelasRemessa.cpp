#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QCheckBox>
#include <QTableView>
#include <QVBoxLayout>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "nucleo/TTolv.h"
#include "secoes/TGradeValoresRemessa.h"
#include "secoes/TfrmRemessa.h"
#include "nucleo/TColecao.h"
#include "secoes/TfrmPesquisarRemessa.h"
#include "secoes/TfrmRelFonteBeneficiario.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

// The declaration database of the pictures: a copy of the template with a few beneficiaries
// abroad and their payments, open as the declaration.
struct Abertura : TColecao {
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }
  void AbreConsulta(bd::Consulta&) override {}
};

void PreparaBanco(PastaProgramaTemp& pasta) {
  pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  pasta.roda(kBanco, QStringLiteral(
                         "insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais, trem_nif, "
                         "trem_in_benef_dispensa_nif, trem_in_pais_dispensa_nif, trem_in_pf_pj, trem_ni, trem_nome, "
                         "trem_cd_rel_fonte_beneficiario, trem_logradouro, trem_numero, trem_complemento, trem_bairro, "
                         "trem_cx_postal, trem_cidade, trem_estado, trem_telefone) values "
                         "(1, '2', 586, 'PY80012345', 'N', 'N', '0', null, 'TRANSPORTES DEL ESTE SA', '530', "
                         "'Avenida Mariscal Lopez', '1234', 'Piso 3', 'Villa Morra', '1209', 'Asuncion', 'Central', "
                         "'59521600000');\n"
                         "insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais, trem_nif, "
                         "trem_in_benef_dispensa_nif, trem_in_pais_dispensa_nif, trem_in_pf_pj, trem_ni, trem_nome, "
                         "trem_logradouro, trem_numero, trem_cidade) values "
                         "(2, '1', 586, null, 'S', 'N', '1', '123456789', 'JUAN CARLOS BENITEZ', 'Calle Palma', '55', "
                         "'Ciudad del Este');\n"
                         "insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais, trem_nif, trem_nome, "
                         "trem_cidade) values (3, '2', 63, 'AR30712345678', 'DISTRIBUIDORA PORTENA SRL', "
                         "'Buenos Aires');\n"
                         "insert into tb_valor_remessa (tvre_id, trem_id, tvre_data, tvre_cd_retencao, "
                         "tvre_cd_tipo_rendimento, tvre_cd_forma_tributacao, tvre_vl_rendimento_pago, tvre_vl_irrf) "
                         "values (1, 1, '2013-02-15', '0473', 110, 10, 15000, 2250);\n"
                         "insert into tb_valor_remessa (tvre_id, trem_id, tvre_data, tvre_cd_retencao, "
                         "tvre_cd_tipo_rendimento, tvre_cd_forma_tributacao, tvre_vl_rendimento_pago, tvre_vl_irrf) "
                         "values (2, 1, '2013-06-10', '0473', 110, 40, 8750.5, 0);\n"));
}

}  // namespace

TOLV_TELAS(Remessa) {
  PastaProgramaTemp& pasta = ctx.pasta();
  PreparaBanco(pasta);
  Abertura abertura(kBanco);

  {
    TfrmRelFonteBeneficiario relacao;
    ctx.salva(relacao, QStringLiteral("TfrmRelFonteBeneficiario"));
    relacao.Posiciona(QStringLiteral("540"));
    ctx.salva(relacao, QStringLiteral("TfrmRelFonteBeneficiario-estado"));
    relacao.hide();
  }
  {
    TfrmPesquisarRemessa pesquisa;
    pesquisa.LimpaPaises();
    pesquisa.AdicionaPais(QStringLiteral("ARGENTINA"), QStringLiteral("63"));
    pesquisa.AdicionaPais(QStringLiteral("PARAGUAI"), QStringLiteral("586"));
    pesquisa.AdicionaPais(QStringLiteral("URUGUAI"), QStringLiteral("845"));
    ctx.salva(pesquisa, QStringLiteral("TfrmPesquisarRemessa"));
    pesquisa.Executa();
    ctx.salva(pesquisa, QStringLiteral("TfrmPesquisarRemessa-estado"));
    pesquisa.hide();
  }
  {
    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    QWidget janela;
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* l = new QVBoxLayout(&janela);
    l->setContentsMargins(0, 0, 0, 0);
    auto* editor = new TfrmRemessa(&janela);
    l->addWidget(editor);
    janela.resize(760, 640);
    TContextoPagina contexto;
    contexto.declaracao = &tolv;
    editor->Inicializa(contexto);
    // Shown as its tab is chosen, then led to a beneficiary as a search hit leads it.
    janela.show();
    QApplication::processEvents();

    // The first beneficiary, a company with its relation, and its two payments with their totals.
    editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("-1"));
    ctx.salva(janela, QStringLiteral("TfrmRemessa"));

    // A new person being keyed: no NIF for a reason given, a line being typed.
    editor->Inclui();
    editor->findChild<QComboBox*>(QStringLiteral("cbbInTipoBeneficiario"))->setCurrentIndex(0);
    auto* paises = editor->findChild<QComboBox*>(QStringLiteral("cbbCdPais"));
    paises->setCurrentIndex(paises->findText(QStringLiteral("URUGUAI")));
    editor->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->click();
    editor->findChild<QLineEdit*>(QStringLiteral("edtNome"))->setText(QStringLiteral("MARIA FERNANDA SUAREZ"));
    editor->findChild<QLineEdit*>(QStringLiteral("edtCidade"))->setText(QStringLiteral("Montevideo"));
    editor->SaiDoPainel();
    editor->IncluiValor();
    editor->AtribuiValor(0, 0, QStringLiteral("05/09/2013"));
    editor->AtribuiValor(0, 1, QStringLiteral("0473"));
    editor->AtribuiValor(0, 4, QStringLiteral("3200"));
    editor->Grade()->Sincroniza(4);
    ctx.salva(janela, QStringLiteral("TfrmRemessa-estado"));
    // The country list open, at the country the keys typed found.
    paises->showPopup();
    QApplication::processEvents();
    ctx.salva(*paises->view()->window(), QStringLiteral("TfrmRemessa-paises"));
    paises->hidePopup();
    // The payment lines that the controller's view holds are edited and shown in this grid.
    ctx.salva(*editor->Grade(), QStringLiteral("TfrmValoresRemessa"));
    editor->DesfazValor();
    editor->Finaliza();
  }
  TColecao::FechaConexoes();
}
